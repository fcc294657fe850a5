#pragma once

#include "ui/text.h"

#include <QIcon>

#include <string_view>

// The program's icon, which the windows' tables name; the information
// windows' library carries it, so that every window that shows it links it.
inline constexpr std::string_view kProgramIcon = ":/pictures/kareto-32.png";

// The icon itself, for the windows that Qt's layouts build rather than a table.
inline QIcon programIcon()
{
    return QIcon(ui::qt(kProgramIcon));
}
