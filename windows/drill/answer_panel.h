#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

class AnswerButton;

// The answers to one kind of question as buttons in rows, keyed 1 to N in
// their order: a click, or Enter on the focused one, answers; after the
// answer the right one and the one chosen are marked.
class AnswerPanel : public QWidget {
    Q_OBJECT

public:
    struct Answer {
        QString objectName;
        QString caption;
        QColor face;
    };

    AnswerPanel(const std::vector<Answer>& answers, int perRow, QWidget* parent);

    int count() const { return static_cast<int>(buttons_.size()); }
    AnswerButton* button(int answer) const { return buttons_[static_cast<std::size_t>(answer)]; }

    // Every answer open and unmarked.
    void ask();
    // Marks the right answer and the one chosen, and closes every answer.
    void showAnswer(int right, int chosen);

signals:
    void chosen(int answer);

private:
    std::vector<AnswerButton*> buttons_;
};

// The eight outcome groups, answer_<key>, in their order.
std::vector<AnswerPanel::Answer> outcomeGroupAnswers();
// The five pair verdicts, pair_<name>, in the order of kPairVerdicts.
std::vector<AnswerPanel::Answer> pairVerdictAnswers();
