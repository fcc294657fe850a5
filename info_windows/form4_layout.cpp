#include "info_windows/form4_layout.h"

using namespace ui;

namespace {

constexpr Control kControls[] = {
    {"Command1", Kind::Button, "ＯＫ", 2160, 2520, 1575, 615, bold(18)},
};

constexpr std::string_view kTabOrder[] = {"Command1"};

}  // namespace

const WindowSpec kForm4Window{
    .name = "Form4",
    .title = "",
    .frame = Frame::FixedDialogNoTitle,
    .clientWidth = 5835,
    .clientHeight = 3450,
    .centred = true,
    .hasIcon = false,
    .controls = kControls,
    .tabOrder = kTabOrder,
    .focusOnOpening = "Command1",
};
