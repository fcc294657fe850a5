#include "app/program.h"

#include "app/feature_entries.h"
#include "app/table_export_buttons.h"
#include "windows/drill/drill_window.h"
#include "windows/notice_and_info/form4.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/reel_window_placing.h"
#include "windows/reel/riru.h"
#include "windows/setting_estimate/setting_estimate_window.h"
#include "windows/timing/timing_window.h"

#include <QApplication>

#include <random>

namespace {

// The strips the reel window shows, which the program's other windows show too.
std::array<QImage, 3> stripsOf(const Riru& riru)
{
    return {riru.stripPicture(0), riru.stripPicture(1), riru.stripPicture(2)};
}

}  // namespace

Program::Program(std::function<void()> quit) : quit_(std::move(quit))
{
    notice_ = std::make_unique<Form4>([this] { showReelWindow(); });
    // Closed without its OK, the notice leaves nothing to go on with.
    notice_->onClose([this] { end(); });
    notice_->open();
}

Program::~Program() = default;

void Program::showReelWindow()
{
    // The notice is gone for good; its own click is still running, so it is
    // deleted once that returns.
    notice_->hide();
    notice_.release()->deleteLater();
    riru_ = std::make_unique<Riru>(game_, [this] { end(); });
    attachFeatureEntries(riru_.get(), {
        {QStringLiteral("リーチ目ドリル (F2)"), QKeySequence(Qt::Key_F2), [this] { openDrill(); }},
        {QStringLiteral("リーチ目表 (F3)"), QKeySequence(Qt::Key_F3), [this] { openReachMeTable(); }},
        {QStringLiteral("設定判別 (F5)"), QKeySequence(Qt::Key_F5), [this] { openSettingEstimate(); }},
        {QStringLiteral("目押し練習 (F4)"), QKeySequence(Qt::Key_F4), [this] { openTiming(); }},
    });
    riru_->open();
}

void Program::openReachMeTable()
{
    if (!reachMeTable_) {
        reachMeTable_ = std::make_unique<ReachMeTableWindow>(
            stripsOf(*riru_), [this](int left, int center, int right) { return placeOnReels(game_, left, center, right); },
            exportButtonsFor);
        closeOnEscape(reachMeTable_.get());
    }
    reachMeTable_->open();
}

// Created on first use, from the strips the reel window shows; the reel
// window plays on meanwhile.
void Program::openDrill()
{
    if (!drill_) {
        drill_ = std::make_unique<DrillWindow>(stripsOf(*riru_), DrillHistory::standard(),
                                               std::random_device()());
        closeOnEscape(drill_.get());
    }
    drill_->open();
}

void Program::openSettingEstimate()
{
    if (!settingEstimate_) {
        settingEstimate_ = std::make_unique<SettingEstimateWindow>();
        closeOnEscape(settingEstimate_.get());
    }
    settingEstimate_->open();
}

// Created on first use, from the strips the reel window shows.
void Program::openTiming()
{
    if (!timing_) {
        timing_ = std::make_unique<TimingWindow>(stripsOf(*riru_), TimingHistory::standard(), std::random_device()());
        closeOnEscape(timing_.get());
    }
    timing_->open();
}

void Program::end()
{
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    quit_();
}
