#pragma once

namespace ui {

// The classic look every window is designed for: Qt's "Windows" style, whose
// focused button shows the dotted rectangle inside it, with its own standard
// colours, and the design face resolvable on this system. Call once, after
// the application object exists.
void useClassicLook();

}  // namespace ui
