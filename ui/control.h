#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A window described as data: its frame and a table of controls, each with
// its name, kind, text, place and size in twips, font, colours and state.
namespace ui {

// What a control is; each kind is built as one widget class of ui/.
enum class Kind { PushButton, TextLabel, TextBox, PictureBox, StraightLine };

struct Colour {
    enum Source : std::uint8_t { Standard, Rgb, TooltipBackground, MenuText };
    Source source = Standard;
    std::uint8_t r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b)
{
    return {Colour::Rgb, std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}
constexpr Colour kTooltipBackground{Colour::TooltipBackground};
constexpr Colour kMenuText{Colour::MenuText};

// Point size and weight of the face "ＭＳ Ｐゴシック"; no size means the
// window's default font.
struct Font {
    double points = 0;
    int weight = 400;
    // Twips added to each gap between words: once to a run of spaces, and
    // not at all beside Japanese text, as Qt spaces words.
    int wordSpacing = 0;
};
constexpr Font regular(double points)
{
    return {points, 400};
}
constexpr Font bold(double points)
{
    return {points, 700};
}
constexpr Font withWordSpacing(Font font, int twips)
{
    font.wordSpacing = twips;
    return font;
}

enum class Align : std::uint8_t { Left, Center };

struct Look {
    Colour text{};  // text colour
    Colour face{};  // button face or label background
    Align align = Align::Left;
    bool bordered = false;
    bool readOnly = false;  // a text box that shows its text but takes no typing
};
constexpr Look kStandardLook{};

enum class State : std::uint8_t { Enabled, Disabled };
using enum State;

// One control. A member of a control array is named NAME_INDEX ("Label2_0").
// A line runs from (left, top) to (left + width, top + height).
struct Control {
    std::string_view name;
    Kind kind;
    std::string_view text;
    int left, top, width, height;
    Font font{};
    Look look{};
    State state = Enabled;
};

constexpr Control line(std::string_view name, int x1, int y1, int x2, int y2)
{
    return {name, Kind::StraightLine, {}, x1, y1, x2 - x1, y2 - y1};
}

enum class Frame : std::uint8_t {
    FixedDialog,         // title bar and close box, no minimise or maximise box
    FixedDialogNoTitle,  // neither title bar nor close box
};

struct WindowDesign {
    std::string_view name;
    std::string_view title;
    Frame frame;
    int clientWidth, clientHeight;  // twips
    bool centred;                   // else where the system places new windows
    std::string_view icon;          // the window icon's picture file or resource, if any
    std::span<const Control> controls;
    std::span<const std::string_view> tabOrder;  // the only controls TAB visits
    std::string_view focusOnOpening;
};

}  // namespace ui
