#pragma once

// Whether the arguments leave the program to open its windows: nothing but
// Qt's own options.
bool opensWindows(int argc, char* argv[]);

// A run that opens no window needs no display: it takes Qt's offscreen
// platform, unless the user chose one with -platform. Call before the
// application object exists.
void useOffscreenPlatformUnlessChosen(int argc, char* argv[]);

// Why the windows cannot be shown, when no platform was chosen and the
// environment names no display to reach: "DISPLAY is not set". Empty when a
// display or a platform is at hand.
QString missingDisplay(int argc, char* argv[]);
