#include "app/window_placement.h"

#include "app/profile.h"

namespace orv {

namespace {
constexpr int kNotStored = -1;
constexpr int kEdgeMargin = 50;
}  // namespace

void saveWindowPlacement(Profile& profile, const WindowRect& rect) {
    profile.writeInt(kPlacementSection, "Window Top", rect.top);
    profile.writeInt(kPlacementSection, "Window Left", rect.left);
    profile.writeInt(kPlacementSection, "Window Right", rect.right);
    profile.writeInt(kPlacementSection, "Window Bottom", rect.bottom);
}

std::optional<WindowPosition> restoreWindowPlacement(Profile& profile, int screenWidth, int screenHeight) {
    const int top = profile.readInt(kPlacementSection, "Window Top", kNotStored);
    const int left = profile.readInt(kPlacementSection, "Window Left", kNotStored);
    if (top == kNotStored || left == kNotStored) return std::nullopt;
    if (left >= screenWidth - kEdgeMargin || top >= screenHeight - kEdgeMargin) return std::nullopt;
    return WindowPosition{left, top};
}

std::optional<WindowSize> restoreWindowSize(Profile& profile, int screenWidth, int screenHeight) {
    const int top = profile.readInt(kPlacementSection, "Window Top", kNotStored);
    const int left = profile.readInt(kPlacementSection, "Window Left", kNotStored);
    const int right = profile.readInt(kPlacementSection, "Window Right", kNotStored);
    const int bottom = profile.readInt(kPlacementSection, "Window Bottom", kNotStored);
    if (top == kNotStored || left == kNotStored || right == kNotStored || bottom == kNotStored)
        return std::nullopt;
    const WindowSize size{right - left, bottom - top};
    if (size.width <= 0 || size.height <= 0 || size.width > screenWidth || size.height > screenHeight)
        return std::nullopt;
    return size;
}

void saveLastTab(Profile& profile, int tab) {
    profile.writeInt(kPlacementSection, "Last Tab", tab);
}

int restoreLastTab(Profile& profile) {
    return profile.readInt(kPlacementSection, "Last Tab", kNotStored);
}

}  // namespace orv
