#pragma once

#include <QImage>
#include <QKeySequence>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class FeatureWindow;
class Game;

// What a window beside the reel window may be made from.
struct WindowMaterials {
    Game& game;                          // the game the reel window plays
    const std::array<QImage, 3>& strips;  // the reels' strip pictures, left to right
    std::uint64_t seed;                  // fixes what the window asks or draws
};

// A window opened beside the reel window: by its key from every window of
// the program, and by its entry in the reel window's context menu. It is
// made at its first opening and kept until the program ends.
struct FeatureWindowEntry {
    const char* objectName;
    QString menuText;
    QKeySequence key;
    std::function<std::unique_ptr<FeatureWindow>(const WindowMaterials&)> make;
};

// Every such window, in the order of the context menu.
const std::vector<FeatureWindowEntry>& featureWindows();
