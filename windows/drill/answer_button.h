#pragma once

#include <QPushButton>

// An answer of the drill: the group's caption on the group's colour, with its
// key's digit in a corner, so that the keys can be learnt from the buttons.
// After an answer it carries a mark: the right answer, and the one chosen.
class AnswerButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(Mark mark READ mark)

public:
    enum class Mark { None, Right, Chosen, ChosenRight };
    Q_ENUM(Mark)

    // `group` is the index of an outcome group; its key is group + 1.
    AnswerButton(std::size_t group, QWidget* parent);

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
