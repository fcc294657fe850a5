#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// A window the reel window opens besides its own: by a key, and by an entry
// of the reel window's context menu.
struct FeatureEntry {
    QString menuText;
    QKeySequence key;
    std::function<void()> open;
};

// Gives every window of the program the entries' keys, and the reel window a
// context menu that lists them
// in the order given, wherever on the window the right click falls: disabled
// controls included, and below the editing entries of its text boxes. The keys
// work whichever control has the focus, except while a modal dialog or a menu
// is open; the windows' own keys stay as they are.
void attachFeatureEntries(QWidget* reelWindow, const std::vector<FeatureEntry>& entries);
