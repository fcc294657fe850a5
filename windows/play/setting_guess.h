#pragma once

#include "core/setting_estimate/setting_estimate.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

// The end of a session: the player guesses the setting from the counts,
// then sees the setting that was in play beside the estimate from the same
// counts, each setting's probability, and goes on to a new session.
class SettingGuess : public QGroupBox {
    Q_OBJECT

public:
    explicit SettingGuess(QWidget* parent = nullptr);

    // Asks for a guess after a session of these counts; the guess buttons
    // take it. Answers the words that ask.
    QString ask(const setting_estimate::Counts& counts);
    // Shows the guess against the setting in play and the estimate; answers
    // the words that say it.
    QString showResult(int guessed, int inPlay, const setting_estimate::Estimate& estimate);
    // Back to a session under way: nothing asked or shown.
    void clear();

    QPushButton* guessButton(int setting) const { return guesses_[static_cast<std::size_t>(setting - 1)]; }
    QPushButton* newSessionButton() const { return newSession_; }

signals:
    void guessed(int setting);
    void newSessionAsked();

private:
    QLabel* question_ = nullptr;
    std::array<QPushButton*, setting_odds::kSettings> guesses_{};
    QLabel* result_ = nullptr;
    std::array<QLabel*, setting_odds::kSettings> estimate_{};
    std::array<QLabel*, setting_odds::kSettings> marks_{};
    QLabel* summary_ = nullptr;
    QPushButton* newSession_ = nullptr;
};
