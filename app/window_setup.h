#pragma once

// What the program sets, once the application object exists and before its
// first window: Qt's own texts in Japanese, the program's name on message
// boxes, and an end only by its own quit button or close box. main starts
// the windows so, and so does the start-up bench.
void setUpForWindows();
