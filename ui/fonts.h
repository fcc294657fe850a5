#pragma once

#include "ui/control.h"

#include <QFont>

namespace ui {

// The face every window is designed with.
inline constexpr const char* kDesignFace = "ＭＳ Ｐゴシック";

// Lets the design face resolve where it is missing: MS PGothic, then IPA
// PGothic (metric-compatible), then Noto Sans CJK JP. Call once at start-up.
void installFaceSubstitutes();

// The design face at a table's size and weight. Sizes are set in pixels, as the
// windows are laid out in pixels too (15 twips each), whatever the screen's DPI.
QFont designFont(const Font& font);

}  // namespace ui
