#include "model/access.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(AccessTest, LevelMasks) {
    EXPECT_EQ(userMaskForLevel("Customer"), 0x011);
    EXPECT_EQ(userMaskForLevel("Coordinator"), 0x022);
    EXPECT_EQ(userMaskForLevel("Production"), 0x044);
    EXPECT_EQ(userMaskForLevel("Engineer"), 0x088);
    EXPECT_EQ(userMaskForLevel("Test"), 0x300);
    EXPECT_EQ(userMaskForLevel("test"), -1);
    EXPECT_EQ(userMaskForLevel(""), -1);
    // The names the dialogs list are exactly the names a level is known by.
    for (const AccessLevel& level : kAccessLevels) EXPECT_TRUE(isLevelName(level.name)) << level.name;
    EXPECT_FALSE(isLevelName("engineer"));
    EXPECT_EQ(storedLevelMask("Supervisor"), kMaskCustomer);
    for (const AccessLevel& level : kAccessLevels) EXPECT_STREQ(levelNameForMask(level.mask), level.name);
    EXPECT_STREQ(levelNameForMask(0x0FF), "Customer");
}

// The masks stored with the rows keep their numbers under their names.
TEST(AccessTest, NamedMasksKeepTheirNumbers) {
    EXPECT_EQ(Access::Everyone, 0x3FF);
    EXPECT_EQ(Access::Nobody, 0x000);
    EXPECT_EQ(Access::EngineerOnly, 0x088);
    EXPECT_EQ(Access::CoordinatorSeesEngineerEdits, 0x08A);
    EXPECT_EQ(Access::StaffSeeEngineerEdits, 0x08E);
    EXPECT_EQ(Access::UsersSeeEngineerEdits, 0x08F);
    EXPECT_EQ(Access::CoordinatorAndEngineer, 0x0AA);
    EXPECT_EQ(Access::UsersSeeCoordinatorEdits, 0x0AF);
    EXPECT_EQ(Access::StaffSeeProductionEdits, 0x0CE);
    EXPECT_EQ(Access::Staff, 0x0EE);
    EXPECT_EQ(Access::UsersSeeStaffEdits, 0x0EF);
}

TEST(AccessTest, TestLevelReachesOnlyRowsOpenToAll) {
    for (const int mask : {0x000, 0x088, 0x08A, 0x08E, 0x08F, 0x0AA, 0x0AF, 0x0CE, 0x0EE, 0x0EF}) {
        EXPECT_FALSE(controlVisible(kMaskTest, mask)) << mask;
        EXPECT_FALSE(controlEditable(kMaskTest, mask)) << mask;
    }
    EXPECT_TRUE(controlVisible(kMaskTest, 0x3FF));
    EXPECT_TRUE(controlEditable(kMaskTest, 0x3FF));
}

TEST(AccessTest, CustomerSeesButMayNotEditEngineerRows) {
    for (const int mask : {0x08F, 0x0AF, 0x0EF}) {
        EXPECT_TRUE(controlVisible(kMaskCustomer, mask)) << mask;
        EXPECT_FALSE(controlEditable(kMaskCustomer, mask)) << mask;
    }
    for (const int mask : {0x088, 0x0AA, 0x0EE, 0x000}) {
        EXPECT_FALSE(controlVisible(kMaskCustomer, mask)) << mask;
    }
    EXPECT_TRUE(controlEditable(kMaskCoordinator, 0x0AF));
    EXPECT_FALSE(controlEditable(kMaskProduction, 0x0AF));
    EXPECT_TRUE(controlVisible(kMaskProduction, 0x0CE));
    EXPECT_TRUE(controlEditable(kMaskProduction, 0x0CE));
}

}  // namespace
}  // namespace orv
