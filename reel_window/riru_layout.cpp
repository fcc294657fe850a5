#include "reel_window/riru_layout.h"

#include "core/reels/strip_geometry.h"

using namespace ui;
using ui::Kind::Button, ui::Kind::Label, ui::Kind::TextBox, ui::Kind::Picture;

namespace {

constexpr Look kCentred{.align = Align::Center};
constexpr Look kPayLine{.text = rgb(192, 192, 0), .face = kMenuText, .align = Align::Center};
constexpr Look kStartFace{.face = rgb(255, 128, 255)};
constexpr Look kStopFace{.face = rgb(255, 128, 128)};
// Nothing reads the read-out back; each pattern overwrites it.
constexpr Look kReadOut{.readOnly = true};
constexpr int kStrip = strip::kDesignTop;

constexpr Control kControls[] = {
    // Reel area: strips, plates and frame lines.
    // name        kind     text                      left   top    width  height font         look / state
    {"Command4",  Button,  "カレト職人養成マシーン",  1320,  0,     5295,  615,   bold(15.75)},
    {"Command5",  Button,  "",                        1320,  600,   255,   4095,  {}, {}, Disabled},
    {"Command6",  Button,  "",                        3000,  600,   255,   4095,  {}, {}, Disabled},
    {"Command7",  Button,  "",                        4680,  600,   255,   4095,  {}, {}, Disabled},
    {"Command8",  Button,  "",                        6360,  600,   255,   4095,  {}, {}, Disabled},
    {"Command3",  Button,  "",                        1320,  4680,  5295,  1695,  {}, {}, Disabled},
    {"Image1",    Picture, "",                        1560,  kStrip, 1500, 24900},
    {"Image2",    Picture, "",                        3240,  kStrip, 1500, 24900},
    {"Image3",    Picture, "",                        4920,  kStrip, 1500, 24900},
    line("Line2", 1320, 1200, 6600, 1200),
    line("Line1", 1320, 4080, 6600, 4080),

    // Pay-line labels.
    {"Label2_0",  Label,   "参両",                    120,   720,   975,   375,   bold(14.25), kPayLine},
    {"Label2_1",  Label,   "弐両",                    120,   1560,  975,   375,   bold(14.25), kPayLine},
    {"Label2_2",  Label,   "壱両",                    120,   2400,  975,   375,   bold(14.25), kPayLine},
    {"Label2_3",  Label,   "弐両",                    120,   3240,  975,   375,   bold(14.25), kPayLine},
    {"Label2_4",  Label,   "参両",                    120,   4080,  975,   375,   bold(14.25), kPayLine},

    // Reel buttons.
    {"cmstart",   Button,  "start",                   120,   4800,  975,   495,   bold(14.25), kStartFace},
    {"r1stop",    Button,  "stop",                    1800,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r2stop",    Button,  "stop",                    3480,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r3stop",    Button,  "stop",                    5160,  4800,  975,   495,   bold(14.25), kStopFace, Disabled},
    {"r1ue",      Button,  "▲",                      1800,  5400,  975,   375,   regular(18)},
    {"r2ue",      Button,  "▲",                      3480,  5400,  975,   375,   regular(18)},
    {"r3ue",      Button,  "▲",                      5160,  5400,  975,   375,   regular(18)},
    {"r1sita",    Button,  "▼",                      1800,  5880,  975,   375,   regular(18)},
    {"r2sita",    Button,  "▼",                      3480,  5880,  975,   375,   regular(18)},
    {"r3sita",    Button,  "▼",                      5160,  5880,  975,   375,   regular(18)},

    // Setting table: the runs of spaces align the columns.
    {"Label3",    Label,   " 設定     BIG           REG",        6960, 120,  2775, 255, bold(9)},
    {"Label7_0",  Label,   "   1    1/297.891    1/420.103",     6960, 360,  2775, 255, bold(9)},
    {"Label7_1",  Label,   "   2    1/277.695    1/420.103",     6960, 600,  2895, 255, bold(9)},
    {"Label7_2",  Label,   "   3    1/264.258    1/420.103",     6960, 840,  2895, 255, bold(9)},
    {"Label7_3",  Label,   "   4    1/252.062    1/420.103",     6960, 1080, 2895, 255, bold(9)},
    {"Label7_4",  Label,   "   5    1/244.537    1/390.095",     6960, 1320, 2895, 255, bold(9)},
    {"Label7_5",  Label,   "   6    1/240.941    1/364.089",     6960, 1560, 2895, 255, bold(9)},
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
    {"lbtamaya",  Label,   "たまや",                  6960,  1920,  2655,  375,   bold(18), {.text = rgb(255, 255, 0)}},
    {"Label5",    Label,   "解説",                    6960,  2400,  1215,  255,   bold(12)},
    {"lbyakumei", Label,   "ＢＩＧじゃ～！！",        6960,  2640,  2895,  1095,  bold(15.75), {.face = kTooltipBackground}},
    {"Label1",    Label,   "リール１コマのスピード",  6840,  3960,  2175,  255,   bold(9.75), kCentred},
    {"Text1",     TextBox, "100",                     9120,  3840,  855,   360,   bold(15.75)},
    {"Label4",    Label,   "Ａutoの停止までの時間",   6840,  4440,  2295,  255,   bold(9.75), kCentred},
    {"Text3",     TextBox, "1200",                    9120,  4320,  855,   375,   bold(15.75)},
    {"autostart", Button,  "Auto_start",              6840,  4800,  1575,  375,   bold(14.25)},
    {"autostop",  Button,  "Auto_stop",               6840,  5280,  1575,  375,   bold(14.25), {}, Disabled},
    {"Cmkaisetu", Button,  "解説の説明",              8520,  4800,  1455,  375,   bold(11.25)},
    {"Cmsousa",   Button,  "操作の説明",              8520,  5280,  1455,  375,   bold(12)},
    {"Text2",     TextBox, "Text2",                   7320,  5760,  975,   375,   {}, kReadOut},
    {"cmend",     Button,  "終了",                    8520,  5760,  1455,  495,   bold(14.25)},
};

constexpr std::string_view kTabOrder[] = {"cmstart", "r1stop", "r2stop", "r3stop"};

}  // namespace

const WindowDesign kRiruWindow{
    .name = "riru",
    .title = "",
    .frame = Frame::FixedDialog,
    .clientWidth = 10155,
    .clientHeight = 6375,
    .centred = true,
    .hasIcon = true,
    .controls = kControls,
    .tabOrder = kTabOrder,
    .focusOnOpening = "cmstart",
};
