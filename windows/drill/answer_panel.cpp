#include "windows/drill/answer_panel.h"

#include "core/outcome_groups.h"
#include "core/pairs/pair_verdict.h"
#include "ui/text.h"
#include "windows/drill/answer_button.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/pair_look.h"

#include <QGridLayout>

AnswerPanel::AnswerPanel(const std::vector<Answer>& answers, int perRow, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t index = 0; index < answers.size(); ++index) {
        const Answer& answer = answers[index];
        const int number = static_cast<int>(index);
        auto* button = new AnswerButton(answer.objectName, answer.caption, answer.face, number + 1, this);
        connect(button, &QPushButton::clicked, this, [this, number] { emit chosen(number); });
        button->setMinimumWidth(button->sizeHint().width());
        layout->addWidget(button, number / perRow, number % perRow);
        buttons_.push_back(button);
    }
}

void AnswerPanel::ask()
{
    for (AnswerButton* button : buttons_) {
        button->setEnabled(true);
        button->setMark(AnswerButton::Mark::None);
    }
}

void AnswerPanel::showAnswer(int right, int chosen)
{
    button(right)->setMark(right == chosen ? AnswerButton::Mark::ChosenRight : AnswerButton::Mark::Right);
    if (right != chosen)
        button(chosen)->setMark(AnswerButton::Mark::Chosen);
    for (AnswerButton* each : buttons_)
        each->setEnabled(false);
}

std::vector<AnswerPanel::Answer> outcomeGroupAnswers()
{
    std::vector<AnswerPanel::Answer> answers;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group)
        answers.push_back({QStringLiteral("answer_") + ui::qt(kOutcomeGroups[group].key), captionOf(group),
                           colourOf(group)});
    return answers;
}

std::vector<AnswerPanel::Answer> pairVerdictAnswers()
{
    std::vector<AnswerPanel::Answer> answers;
    for (PairVerdict verdict : kPairVerdicts)
        answers.push_back({QStringLiteral("pair_") + pair_look::nameOf(verdict), pair_look::captionOf(verdict),
                           pair_look::backgroundOf(verdict)});
    return answers;
}
