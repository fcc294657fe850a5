#pragma once

#include <QPushButton>

// An answer of the drill: the group's caption on the group's colour, with its
// key's digit in a corner, so that the keys can be learnt from the buttons.
class AnswerButton : public QPushButton {
    Q_OBJECT

public:
    // `group` is the index of an outcome group; its key is group + 1.
    AnswerButton(std::size_t group, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString digit_;
};
