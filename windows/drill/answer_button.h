#pragma once

#include <QPushButton>

// An answer of the drill: its caption on its colour (an outcome group's, a
// pair verdict's), with its key's digit in a corner, so that the keys can be
// learnt from the buttons. After an answer it carries a mark: the right
// answer, and the one chosen.
class AnswerButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(Mark mark READ mark)

public:
    enum class Mark { None, Right, Chosen, ChosenRight };
    Q_ENUM(Mark)

    // `digit` is its key, 1 to 9.
    AnswerButton(const QString& objectName, const QString& caption, const QColor& face, int digit, QWidget* parent);

    void setMark(Mark mark);
    Mark mark() const { return mark_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString digit_;
    QString shortcut_;
    Mark mark_ = Mark::None;
};
