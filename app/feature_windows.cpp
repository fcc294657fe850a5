#include "app/feature_windows.h"

#include "app/table_export_buttons.h"
#include "windows/drill/drill_window.h"
#include "windows/play/play_window.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/reel_window_placing.h"
#include "windows/setting_estimate/setting_estimate_window.h"
#include "windows/timing/timing_window.h"

const std::vector<FeatureWindowEntry>& featureWindows()
{
    static const std::vector<FeatureWindowEntry> windows = {
        {"Drill", QStringLiteral("リーチ目ドリル (F2)"), QKeySequence(Qt::Key_F2),
         [](const WindowMaterials& with) {
             return std::make_unique<DrillWindow>(with.strips, DrillHistory::standard(), with.seed);
         }},
        {"ReachMeTable", QStringLiteral("リーチ目表 (F3)"), QKeySequence(Qt::Key_F3),
         [](const WindowMaterials& with) {
             Game& game = with.game;
             return std::make_unique<ReachMeTableWindow>(
                 with.strips, [&game](int left, int center, int right) { return placeOnReels(game, left, center, right); },
                 [&game](StopOrder order, const StoppedPair& pair) { return placePairOnReels(game, order, pair); },
                 exportButtonsFor);
         }},
        {"SettingEstimate", QStringLiteral("設定判別 (F5)"), QKeySequence(Qt::Key_F5),
         [](const WindowMaterials&) { return std::make_unique<SettingEstimateWindow>(); }},
        {"Timing", QStringLiteral("目押し練習 (F4)"), QKeySequence(Qt::Key_F4),
         [](const WindowMaterials& with) {
             return std::make_unique<TimingWindow>(with.strips, TimingHistory::standard(), with.seed);
         }},
        {"Play", QStringLiteral("実戦モード (F6)"), QKeySequence(Qt::Key_F6),
         [](const WindowMaterials& with) {
             return std::make_unique<PlayWindow>(with.strips, PlayHistory::standard(), with.seed);
         }},
    };
    return windows;
}
