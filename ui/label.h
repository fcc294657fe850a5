#pragma once

#include <QLabel>

namespace ui {

// An opaque plain-text label that wraps at its width, drawn where and as
// QLabel draws. The texts pad with runs of spaces where they want a new
// line, so a line that has to break breaks after its spaces, unless that
// would cost the text a line.
class Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text as last wrapped, kept while text, font and width stay.
    const QString& wrapped(int width);

    QString wrappedFrom_;
    QFont wrappedFont_;
    int wrappedWidth_ = -1;
    QString wrapped_;
};

}  // namespace ui
