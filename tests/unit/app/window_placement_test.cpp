#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "app/memory_profile.h"

namespace orv {
namespace {

TEST(WindowPlacement, ARectangleKeptIsRestoredWhileItsCornerIsOnScreen) {
    MemoryProfile profile;
    EXPECT_FALSE(restoreWindowPlacement(profile, 1920, 1080).has_value());  // nothing stored
    saveWindowPlacement(profile, {100, 40, 900, 700});
    EXPECT_EQ(profile.readInt(kPlacementSection, "Window Right", 0), 900);
    EXPECT_EQ(profile.readInt(kPlacementSection, "Window Bottom", 0), 700);
    const auto position = restoreWindowPlacement(profile, 1920, 1080);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->left, 100);
    EXPECT_EQ(position->top, 40);
}

TEST(WindowPlacement, ACornerWithinFiftyPixelsOfTheEdgeOrUnsetLeavesTheSystemsPlace) {
    MemoryProfile profile;
    saveWindowPlacement(profile, {1870, 40, 2500, 700});
    EXPECT_FALSE(restoreWindowPlacement(profile, 1920, 1080).has_value());
    saveWindowPlacement(profile, {1869, 1029, 2500, 1500});
    EXPECT_TRUE(restoreWindowPlacement(profile, 1920, 1080).has_value());
    saveWindowPlacement(profile, {100, 1030, 800, 1500});
    EXPECT_FALSE(restoreWindowPlacement(profile, 1920, 1080).has_value());
    saveWindowPlacement(profile, {-1, 40, 800, 700});
    EXPECT_FALSE(restoreWindowPlacement(profile, 1920, 1080).has_value());
}

TEST(WindowPlacement, TheSizeComesBackOnlyWhenItFitsAndTheLastTabByItsNumber) {
    MemoryProfile profile;
    EXPECT_FALSE(restoreWindowSize(profile, 1920, 1080).has_value());
    EXPECT_EQ(restoreLastTab(profile), -1);
    saveWindowPlacement(profile, {100, 40, 1300, 940});
    const auto size = restoreWindowSize(profile, 1920, 1080);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 1200);
    EXPECT_EQ(size->height, 900);
    // Kept on a larger screen, not brought onto a smaller one; a turned rectangle is no size.
    EXPECT_FALSE(restoreWindowSize(profile, 1024, 768).has_value());
    saveWindowPlacement(profile, {900, 40, 100, 700});
    EXPECT_FALSE(restoreWindowSize(profile, 1920, 1080).has_value());
    saveLastTab(profile, 6);
    EXPECT_EQ(restoreLastTab(profile), 6);
}

}  // namespace
}  // namespace orv
