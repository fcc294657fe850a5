#pragma once

#include <string_view>

// The program's icon, which the windows' tables name; the information
// windows' library carries it, so that every window that shows it links it.
inline constexpr std::string_view kProgramIcon = ":/pictures/kareto-32.png";
