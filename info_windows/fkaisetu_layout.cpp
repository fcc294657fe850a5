#include "info_windows/fkaisetu_layout.h"

using namespace ui;

namespace {

constexpr Control kControls[] = {
    {"Command1", Kind::Button, "OK", 0, 0, 1575, 495, bold(14.25)},
};

constexpr std::string_view kTabOrder[] = {"Command1"};

}  // namespace

const WindowSpec kFkaisetuWindow{
    .name = "Fkaisetu",
    .title = "",
    .frame = Frame::FixedDialog,
    .clientWidth = 6810,
    .clientHeight = 7425,
    .centred = false,
    .hasIcon = true,
    .controls = kControls,
    .tabOrder = kTabOrder,
    .focusOnOpening = "Command1",
};
