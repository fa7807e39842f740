#pragma once

#include <optional>

namespace orv {

class Profile;

// The main window's screen rectangle, frame included.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowPosition {
    int left = 0;
    int top = 0;
};

inline constexpr const char* kPlacementSection = "Halvorn Orv";

// Keeps the rectangle in the profile ("Window Top", "Window Left", "Window Right", "Window Bottom").
void saveWindowPlacement(Profile& profile, const WindowRect& rect);

// Where to move the window at start-up, or nothing to leave it where the
// system put it: nothing is stored, or the stored corner lies within 50
// pixels of the screen's right or bottom edge or beyond.
std::optional<WindowPosition> restoreWindowPlacement(Profile& profile, int screenWidth, int screenHeight);

}  // namespace orv
