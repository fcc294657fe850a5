#include "windows/notice_and_info/fkaisetu_layout.h"

#include "ui/program_icon.h"

using namespace ui;
using ui::Kind::PushButton, ui::Kind::TextLabel;

namespace {

constexpr Look kNote{.text = rgb(0, 0, 255)};
constexpr Look kTerm{.face = kTooltipBackground, .bordered = true};

// Each term box (Label1_n) has its explanation to its right; the boxes run
// down in reading order, not in index order.
constexpr Control kFkaisetuControls[] = {
    // name       kind       text                                  left  top   width  height font          look
    {"Label7",   TextLabel,  "リーチ目は、３枚がけ、順押しが基準です。     挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目が、数個あります。     さらに、１，２枚がけ 及び、中押し、逆押しは、除きます",
                                                                   240,  120,  6015,  615,   bold(9.75),   kNote},

    {"Label1_0", TextLabel,  "リーチ目 ＢＩＧです。",               120,  840,  2055,  375,   bold(9.75),   kTerm},
    {"Label2_0", TextLabel,  "ＢＩＧのリーチ目です。",              2280, 840,  3495,  375,   bold(9.75)},
    {"Label1_1", TextLabel,  "リーチ目  ＲＥＧです。",              120,  1440, 2055,  375,   bold(9.75),   kTerm},
    {"Label3",   TextLabel,  "ＲＥＧのリーチ目です。",              2280, 1440, 3495,  375,   bold(9.75)},
    {"Label1_2", TextLabel,  "リーチ目  Ｂ＆Ｒです。",              120,  2040, 2055,  375,   bold(9.75),   kTerm},
    {"Label2_1", TextLabel,  "ＢＩＧ＆ＲＥＧ共通のリーチ目です。",  2280, 2040, 3495,  375,   bold(9.75)},
    {"Label1_3", TextLabel,  "止まりません。",                      120,  2640, 2055,  375,   bold(9.75),   kTerm},
    {"Label2_2", TextLabel,  "重複子役のため止まりません。",        2280, 2640, 3495,  375,   bold(9.75)},
    {"Label1_6", TextLabel,  "はずれ",                              120,  3240, 2055,  375,   bold(9.75),   kTerm},
    {"Label2_5", TextLabel,  "はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。",
                                                                   2280, 3240, 4335,  375,   bold(9.75)},
    {"Label1_4", TextLabel,  "リーチ目だけど、      止まらない？",  120,  3840, 2055,  495,   bold(9.75),   kTerm},
    {"Label2_6", TextLabel,  "２リール確定や子役はずれのリーチ目等で、   第３リールが止まらない事を示します。",
                                                                   2280, 3840, 4095,  495,   bold(9.75)},
    {"Label2_3", TextLabel,  "たとえば、中段氷はずれの場合、右リールは、 下段に氷ｏｒＢＡＲが止まります。  氷ｏｒＢＡＲ以外が止まる事はありません。",
                                                                   2280, 4320, 4095,  615,   bold(9.75)},
    {"Label1_5", TextLabel,  "子役の取りこぼし      ｏｒ ボーナス", 120,  5040, 2055,  495,   bold(9.75),   kTerm},
    {"Label2_4", TextLabel,  "子役の取りこぼし ｏｒ ボーナス の時に止まる目です。（外れの時に出る目は、除きました。）",
                                                                   2280, 5040, 4095,  495,   bold(9.75)},

    {"Label4",   TextLabel,  "お断り",                              120,  5640, 855,   255,   bold(9.75)},
    {"Label5",   TextLabel,  "リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません。ご了承ください。",
                                                                   120,  6000, 4695,  495,   bold(9.75)},
    {"Label6",   TextLabel,  "「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。",
                                                                   120,  6480, 4695,  855,   bold(9.75)},
    {"Command1", PushButton, "ＯＫ",                                5040, 6720, 1575,  495,   bold(14.25)},
};

constexpr std::string_view kFkaisetuTabOrder[] = {"Command1"};

}  // namespace

const WindowDesign kFkaisetuWindow{
    .name = "Fkaisetu",
    .title = "解説用語の説明",
    .frame = Frame::FixedDialog,
    .clientWidth = 6810,
    .clientHeight = 7425,
    .centred = false,
    .icon = kProgramIcon,
    .controls = kFkaisetuControls,
    .tabOrder = kFkaisetuTabOrder,
    .focusOnOpening = "Command1",
};
