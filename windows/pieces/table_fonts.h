#pragma once

#include "ui/fonts.h"

// The faces of the reach-me table, in the window and on paper alike: sizes
// the reel window uses already, so that opening the table loads no new one.
inline QFont tableFont()
{
    return ui::designFont(ui::regular(9));
}

inline QFont tableTitleFont()
{
    return ui::designFont(ui::bold(14.25));
}
