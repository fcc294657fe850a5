#include "windows/notice_and_info/fsousa_layout.h"

#include "ui/program_icon.h"

using namespace ui;
using ui::Kind::PushButton, ui::Kind::TextLabel, ui::Kind::TextBox;

namespace {

constexpr Look kHint{.text = rgb(107, 124, 241)};
// The copied boxes look like the reel window's but take no typing.
constexpr Look kCopiedBox{.readOnly = true};

// Copies of the reel window's controls, each explained by the label beside
// or under it. The copies have no handlers: only OK does anything.
constexpr Control kFsousaControls[] = {
    // name        kind        text                        left  top   width  height font          look
    {"r1ue",      PushButton, "Ｓｔａｒｔ",                120,  360,  1575,  525,   regular(20.25)},
    {"r1sita",    PushButton, "Ｓｔｏｐ",                  2400, 360,  1455,  525,   regular(20.25)},
    {"Command5",  PushButton, "Ｓｔｏｐ",                  3960, 360,  1455,  525,   regular(20.25)},
    {"Command6",  PushButton, "Ｓｔｏｐ",                  5520, 360,  1455,  525,   regular(20.25)},
    {"Label2",    TextLabel,  "リールがスタートします",    120,  960,  2175,  255,   bold(9.75)},
    {"Label1",    TextLabel,  "上にあるリールをストップします。",
                                                           2880, 960,  3615,  255,   bold(9.75)},
    {"Label10",   TextLabel,  "Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         フォーカス（ボタンの内側に点線が表示された状態）を移すには、ＴＡＢキーを押して下さい。",
                                                           120,  1320, 6495,  735,   bold(11.25),  kHint},

    {"Command4_0", PushButton, "▲",                        2520, 2160, 1455,  495,   regular(18)},
    {"Command4_1", PushButton, "▼",                        2520, 2760, 1455,  495,   regular(18)},
    {"Command4_2", PushButton, "▲",                        4080, 2160, 1455,  495,   regular(18)},
    {"Command4_3", PushButton, "▼",                        4080, 2760, 1455,  495,   regular(18)},
    {"Command4_4", PushButton, "▲",                        5640, 2160, 1455,  495,   regular(18)},
    {"Command4_5", PushButton, "▼",                        5640, 2760, 1455,  495,   regular(18)},
    {"Label12",   TextLabel,  "リールを上下に一コマ移動しリーチ目を表示します。",
                                                           2520, 3360, 4575,  255,   bold(9.75)},

    line("Line1", 120, 3720, 7200, 3720),

    {"Label5",    TextLabel,  "リール１コマのスピード",    120,  4080, 2535,  255,   bold(12)},
    {"Text1",     TextBox,    "100",                       2760, 3960, 855,   420,   bold(15.75),  kCopiedBox},
    {"Label8",    TextLabel,  "リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         速すぎるとコマ落ちします。  ",
                                                           3720, 3960, 3615,  735,   bold(11.25)},
    {"Label7",    TextLabel,  "Ａｕｔｏの停止までの時間",  120,  4920, 2655,  375,   bold(12)},
    {"Text2",     TextBox,    "1200",                      2760, 4800, 855,   435,   bold(15.75),  kCopiedBox},
    {"Label9",    TextLabel,  "Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）",
                                                           3720, 4800, 3495,  615,   bold(11.25)},

    {"comauto1",  PushButton, "Ａｕｔｏ Ｓｔａｒｔ",       240,  5400, 1575,  495,   bold(9.75)},
    {"Label3",    TextLabel,  "設定した時間で、スタート、ストップを行い、リーチ目を表示します。",
                                                           2040, 5400, 4695,  615,   bold(12)},
    {"Command2",  PushButton, "Ａｕｔｏ Ｓｔｏｐ",         240,  6120, 1575,  495,   bold(9.75)},
    {"Label4",    TextLabel,  "Ａｕｔｏ動作を停止します。",
                                                           2040, 6120, 3375,  495,   bold(14.25)},
    {"Command3",  PushButton, "終了",                      240,  6840, 1575,  495,   bold(12)},
    {"Label6",    TextLabel,  "ソフトを終了します。",      2040, 6840, 3015,  495,   bold(12)},
    {"Command1",  PushButton, "OK",                        5640, 6720, 1575,  615,   bold(14.25)},
};

constexpr std::string_view kFsousaTabOrder[] = {
    "Command1", "comauto1", "r1ue", "r1sita", "Command2", "Command3", "Command5", "Command6", "Text1", "Text2",
    "Command4_0", "Command4_1", "Command4_2", "Command4_3", "Command4_4", "Command4_5",
};

}  // namespace

const WindowDesign kFsousaWindow{
    .name = "Fsousa",
    .title = "操作法の説明",
    .frame = Frame::FixedDialog,
    .clientWidth = 7410,
    .clientHeight = 7530,
    .centred = false,
    .icon = kProgramIcon,
    .controls = kFsousaControls,
    .tabOrder = kFsousaTabOrder,
    .focusOnOpening = "Command1",
};
