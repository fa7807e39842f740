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

struct WindowSize {
    int width = 0;
    int height = 0;
};

// The window's size (frame included) from the stored rectangle, or nothing when
// none is stored or it would not fit on the screen (it then keeps its own).
std::optional<WindowSize> restoreWindowSize(Profile& profile, int screenWidth, int screenHeight);

// The tab shown when the window closed ("Last Tab", the tab's number in the
// tab table), or -1 when none is stored.
void saveLastTab(Profile& profile, int tab);
int restoreLastTab(Profile& profile);

}  // namespace orv
