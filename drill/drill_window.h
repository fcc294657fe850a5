#pragma once

#include "core/drill/drill.h"
#include "drill/progress_file.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class GroupBars;
class PatternView;

// The reach-me drill: shows a stop pattern, asks which outcome group it
// belongs to, says whether the answer was right with the pattern's
// commentary, and keeps the score and the patterns to ask again in its
// progress file.
//
// Keys: 1 to 8 answer (unless the left-position filter has the focus, where
// digits choose an entry); Enter or Space on "next" goes on.
class DrillWindow : public QWidget {
    Q_OBJECT

public:
    // `strips`: the reel window's strip pictures, left to right. `progress`:
    // where progress is kept, read now and written after every answer.
    // `seed` fixes the questions.
    DrillWindow(std::array<QImage, 3> strips, ProgressFile progress, std::uint64_t seed);
    ~DrillWindow() override;

    // Shows the window without blocking, in front.
    void open();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(std::array<QImage, 3> strips);
    void restoreProgress();
    void showQuestion();
    void answer(int group);
    void goOn();
    void chooseLeftFilter(int index);
    void showScore();
    void save();
    void confirmReset();
    void resetProgress();
    void note(const QString& line);

    Drill drill_;
    ProgressFile progress_;
    bool saidUnsaved_ = false;

    PatternView* pattern_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* score_ = nullptr;
    GroupBars* bars_ = nullptr;
    QComboBox* leftFilter_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* reset_ = nullptr;
    QLabel* note_ = nullptr;
    std::vector<QPushButton*> answers_;
};
