#include "windows/pieces/riru_layout.h"

#include "core/setting_estimate/setting_odds.h"
#include "ui/program_icon.h"
#include "windows/pieces/strip_geometry.h"

using namespace ui;
using ui::Kind::PushButton, ui::Kind::TextLabel, ui::Kind::TextBox, ui::Kind::PictureBox;

namespace {

constexpr Look kCentred{.align = Align::Center};
constexpr Look kPayLine{.text = rgb(192, 192, 0), .face = kMenuText, .align = Align::Center};
constexpr Look kStartFace{.face = rgb(255, 128, 255)};
constexpr Look kStopFace{.face = rgb(255, 128, 128)};
// Nothing reads the read-out back; each pattern overwrites it.
constexpr Look kReadOut{.readOnly = true};
constexpr int kStrip = strip::kDesignTop;
// The setting table's texts stand clear of the lines between its columns.
// The face standing in has narrower spaces, so the gaps between the words
// are widened, by what each row needs.
constexpr Font kTableHead = withWordSpacing(bold(9), 300);
constexpr Font kTableRow = withWordSpacing(bold(9), 60);

constexpr Control kRiruControls[] = {
    // Reel area: strips, plates and frame lines.
    // name        kind        text                      left   top    width  height font         look / state
    {"Command4",  PushButton, "カレト職人養成マシーン",  1320,  0,     5295,  615,   bold(15.75)},
    {"Command5",  PushButton, "",                        1320,  600,   255,   4095,  {}, {}, Disabled},
    {"Command6",  PushButton, "",                        3000,  600,   255,   4095,  {}, {}, Disabled},
    {"Command7",  PushButton, "",                        4680,  600,   255,   4095,  {}, {}, Disabled},
    {"Command8",  PushButton, "",                        6360,  600,   255,   4095,  {}, {}, Disabled},
    {"Command3",  PushButton, "",                        1320,  4680,  5295,  1695,  {}, {}, Disabled},
    {"Image1",    PictureBox, "",                        1560,  kStrip, 1500, 24900},
    {"Image2",    PictureBox, "",                        3240,  kStrip, 1500, 24900},
    {"Image3",    PictureBox, "",                        4920,  kStrip, 1500, 24900},
    line("Line2", 1320, 1200, 6600, 1200),
    line("Line1", 1320, 4080, 6600, 4080),

    // Pay-line labels.
    {"Label2_0",  TextLabel,  "参両",                    120,   720,   975,   375,   bold(14.25), kPayLine},
    {"Label2_1",  TextLabel,  "弐両",                    120,   1560,  975,   375,   bold(14.25), kPayLine},
    {"Label2_2",  TextLabel,  "壱両",                    120,   2400,  975,   375,   bold(14.25), kPayLine},
    {"Label2_3",  TextLabel,  "弐両",                    120,   3240,  975,   375,   bold(14.25), kPayLine},
    {"Label2_4",  TextLabel,  "参両",                    120,   4080,  975,   375,   bold(14.25), kPayLine},

    // Reel buttons.
    {"cmstart",   PushButton, "start",                   120,   4800,  975,   495,   bold(14.25), kStartFace},
    {"r1stop",    PushButton, "stop",                    1800,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r2stop",    PushButton, "stop",                    3480,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r3stop",    PushButton, "stop",                    5160,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r1ue",      PushButton, "▲",                      1800,  5400,  975,   375,   regular(18)},
    {"r2ue",      PushButton, "▲",                      3480,  5400,  975,   375,   regular(18)},
    {"r3ue",      PushButton, "▲",                      5160,  5400,  975,   375,   regular(18)},
    {"r1sita",    PushButton, "▼",                      1800,  5880,  975,   375,   regular(18)},
    {"r2sita",    PushButton, "▼",                      3480,  5880,  975,   375,   regular(18)},
    {"r3sita",    PushButton, "▼",                      5160,  5880,  975,   375,   regular(18)},

    // Setting table: the runs of spaces align the columns.
    {"Label3",    TextLabel,  " 設定     BIG           REG",        6960, 120,  2775, 255, kTableHead},
    {"Label7_0",  TextLabel,  setting_odds::rowText(1), 6960, 360,  2775, 255, kTableRow},
    {"Label7_1",  TextLabel,  setting_odds::rowText(2), 6960, 600,  2895, 255, kTableRow},
    {"Label7_2",  TextLabel,  setting_odds::rowText(3), 6960, 840,  2895, 255, kTableRow},
    {"Label7_3",  TextLabel,  setting_odds::rowText(4), 6960, 1080, 2895, 255, kTableRow},
    {"Label7_4",  TextLabel,  setting_odds::rowText(5), 6960, 1320, 2895, 255, kTableRow},
    {"Label7_5",  TextLabel,  setting_odds::rowText(6), 6960, 1560, 2895, 255, kTableRow},
    line("Line7",  6960, 0,    6960, 1800),
    line("Line9",  7440, 0,    7440, 1800),
    line("Line10", 8640, 0,    8640, 1800),
    line("Line8",  9840, 0,    9840, 1800),
    line("Line18", 6960, 0,    9840, 0),
    line("Line11", 6960, 360,  9840, 360),
    line("Line12", 6960, 600,  9840, 600),
    line("Line13", 6960, 840,  9840, 840),
    line("Line14", 6960, 1080, 9840, 1080),
    line("Line15", 6960, 1320, 9840, 1320),
    line("Line16", 6960, 1560, 9840, 1560),
    line("Line17", 6960, 1800, 9840, 1800),

    // Result and settings area.
    {"lbtamaya",  TextLabel,  "たまや",                  6960,  1920,  2655,  375,   bold(18), {.text = rgb(255, 255, 0)}},
    {"Label5",    TextLabel,  "解説",                    6960,  2400,  1215,  255,   bold(12)},
    {"lbyakumei", TextLabel,  "ＢＩＧじゃ～！！",        6960,  2640,  2895,  1095,  bold(15.75), {.face = kTooltipBackground}},
    {"Label1",    TextLabel,  "リール１コマのスピード",  6840,  3960,  2175,  255,   bold(9.75), kCentred},
    {"Text1",     TextBox,    "100",                     9120,  3840,  855,   360,   bold(15.75)},
    {"Label4",    TextLabel,  "Ａutoの停止までの時間",   6840,  4440,  2295,  255,   bold(9.75), kCentred},
    {"Text3",     TextBox,    "1200",                    9120,  4320,  855,   375,   bold(15.75)},
    {"autostart", PushButton, "Auto_start",              6840,  4800,  1575,  375,   bold(14.25)},
    {"autostop",  PushButton, "Auto_stop",               6840,  5280,  1575,  375,   bold(14.25), {}, Disabled},
    {"Cmkaisetu", PushButton, "解説の説明",              8520,  4800,  1455,  375,   bold(11.25)},
    {"Cmsousa",   PushButton, "操作の説明",              8520,  5280,  1455,  375,   bold(12)},
    {"Text2",     TextBox,    "Text2",                   7320,  5760,  975,   375,   {}, kReadOut},
    {"cmend",     PushButton, "終了",                    8520,  5760,  1455,  495,   bold(14.25)},
};

constexpr std::string_view kRiruTabOrder[] = {"cmstart", "r1stop", "r2stop", "r3stop"};

}  // namespace

const WindowDesign kRiruWindow{
    .name = "riru",
    .title = "",
    .frame = Frame::FixedDialog,
    .clientWidth = 10155,
    .clientHeight = 6375,
    .centred = true,
    .icon = kProgramIcon,
    .controls = kRiruControls,
    .tabOrder = kRiruTabOrder,
    .focusOnOpening = "cmstart",
};
