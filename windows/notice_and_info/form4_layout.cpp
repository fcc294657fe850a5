#include "windows/notice_and_info/form4_layout.h"

using namespace ui;
using ui::Kind::PushButton, ui::Kind::TextLabel;

namespace {

constexpr Look kTitle{.text = rgb(0, 0, 255), .face = kTooltipBackground, .align = Align::Center};
constexpr Look kWarning{.text = rgb(255, 0, 0)};
constexpr Look kDisclaimer{.text = rgb(192, 0, 0)};

// The runs of spaces in the disclaimer fill out its lines, so each sentence
// starts on a line of its own.
constexpr Control kForm4Controls[] = {
    // name       kind        text                      left  top   width  height font          look
    {"Label1",   TextLabel,  "カレト職人養成マシーン",  480,  240,  4935,  495,   bold(20.25),  kTitle},
    {"Label5",   TextLabel,  "注意！",                  600,  1080, 1095,  255,   bold(11.25),  kWarning},
    {"Label4",   TextLabel,  "   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による 、実践等における負債、      トラブル等は、、一切責任を負えません。                       自分の責任において、カレト職人を目指して下さい。",
                                                        480,  1440, 4695,  855,   regular(9.75), kDisclaimer},
    {"Command1", PushButton, "ＯＫ",                    2160, 2520, 1575,  615,   bold(18)},
};

constexpr std::string_view kForm4TabOrder[] = {"Command1"};

}  // namespace

const WindowDesign kForm4Window{
    .name = "Form4",
    .title = "",
    .frame = Frame::FixedDialogNoTitle,
    .clientWidth = 5835,
    .clientHeight = 3450,
    .centred = true,
    .icon = {},  // none: no title bar to show it
    .controls = kForm4Controls,
    .tabOrder = kForm4TabOrder,
    .focusOnOpening = "Command1",
};
