#pragma once

#include "core/drill/card_drill.h"
#include "history/drill/drill_history.h"
#include "windows/drill/drill_clock.h"
#include "windows/drill/drill_mode.h"
#include "windows/pieces/feature_window.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class AnswerPanel;
class GroupBars;
class LearningCurve;
class MasteryMap;
class MemoryFitting;
class MemoryPanel;
class PatternView;
struct MemoryRequest;
struct MemoryWork;

// The reach-me drill: shows a pattern of the card whose memory needs it
// most, asks which outcome group it belongs to, says whether the answer was
// right with the pattern's commentary and the time it took, and keeps the
// score and every card's memory in its progress file. Its second mode (2確目)
// shows the first two reels of a pair card stopped and asks what they
// already tell, with a score and memory of its own in the same history.
//
// Keys: 1 to 8 answer, 1 to 5 in the second mode (unless a setting has the
// focus, where digits choose a value); Enter presses the focused button;
// Enter or Space on "next" goes on.
class DrillWindow : public FeatureWindow {
    Q_OBJECT

public:
    // `strips`: the reel window's strip pictures, left to right. `history`:
    // where progress is kept, read now and written with every answer.
    // `seed` fixes the questions.
    DrillWindow(std::array<QImage, 3> strips, DrillHistory history, std::uint64_t seed,
                DrillClock clock = DrillClock::system());
    ~DrillWindow() override;

    // In front, with the focus on the first answer while a question waits.
    void open() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(std::array<QImage, 3> strips);
    void restoreProgress();
    void showQuestion();
    void answer(int chosen);
    int answerMs() const;
    void goOn();
    void askNext();
    void chooseMode(int index);
    void chooseLeftFilter(int index);
    void changeSettings();
    void showScore();
    // What the answers so far have come to: the counts and the map.
    void showStanding();
    template <typename Record>
    bool record(const Record& answer);
    // Calls `use` with the drill of the mode shown.
    template <typename Use>
    auto withDrill(Use use) const
    {
        return mode_ == DrillMode::Pairs ? use(pairDrill_) : use(drill_);
    }
    AnswerPanel* answers() const;
    Progress progress() const;
    void sayProblem();
    void showCurve();
    void confirmReset();
    void resetProgress();
    void note(const QString& line);

    // The memory model: its panel, its work beside the drill and its fits
    // (drill_window_memory.cpp).
    void buildMemory();
    std::unique_ptr<MemoryFitting> makeFitting();
    void restoreMemory();
    void memoryAfterAnswer(bool recorded);
    void takeMemoryWork(const MemoryRequest& request, const MemoryWork& work);
    // The forecast and the daily work, which follow the cards' states, the
    // model and the retention: shown again only when one of them changes.
    void showMemoryStanding();
    void resetMemory();

    DrillClock clock_;
    CardDrill drill_;
    PairDrill pairDrill_;
    DrillMode mode_ = DrillMode::Patterns;
    DrillHistory history_;
    qint64 shownAtMs_ = -1;  // steady clock, when the pattern was first painted
    std::int64_t openedOnDay_ = 0;
    std::vector<DayResult> daysBefore_;      // the learning curve's days before the drill opened
    std::vector<PastAnswer> recentAnswers_;  // the answers since the start of that day

    PatternView* pattern_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* score_ = nullptr;
    GroupBars* bars_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* learned_ = nullptr;
    QLabel* today_ = nullptr;
    QGroupBox* mapBox_ = nullptr;
    MasteryMap* map_ = nullptr;
    LearningCurve* curve_ = nullptr;
    QDoubleSpinBox* retention_ = nullptr;
    QSpinBox* newCardCap_ = nullptr;
    QComboBox* leftFilter_ = nullptr;
    QComboBox* modeSwitch_ = nullptr;
    QLabel* keysHint_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* reset_ = nullptr;
    AnswerPanel* patternAnswers_ = nullptr;
    AnswerPanel* pairAnswers_ = nullptr;
    QStackedWidget* answerPanels_ = nullptr;
    GroupBars* pairBars_ = nullptr;
    QStackedWidget* barPanels_ = nullptr;

    MemoryPanel* memory_ = nullptr;
    std::optional<MemoryFitRecord> lastFit_;   // kept or not
    std::optional<MemoryFitRecord> fitInUse_;  // none while the defaults are in use
    std::int64_t answersAtLastFit_ = 0;
    std::int64_t storedAnswers_ = -1;  // the history's answers, once the memory work has counted them
    // Last, so that a run under way stops before the rest of the window goes.
    std::unique_ptr<MemoryFitting> fitting_;
};
