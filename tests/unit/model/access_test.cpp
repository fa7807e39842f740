#include "model/access.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/field_controls.h"

namespace orv {
namespace {

// Just enough of a page to see what access does to it.
class PageWithSomeControls : public FieldControls {
public:
    explicit PageWithSomeControls(std::set<int> ids) : existing(std::move(ids)) {}
    bool hasControl(int id) const override { return existing.count(id) != 0; }
    std::string text(int) const override { return {}; }
    void setText(int, const std::string&) override {}
    int comboSelection(int) const override { return -1; }
    void setComboSelection(int, int) override {}
    void setComboItems(int, const std::vector<std::string>&) override {}
    int checkState(int) const override { return 0; }
    void setCheckState(int, int) override {}
    void setSpinRange(int, int, int) override {}
    int spinPosition(int) const override { return 0; }
    void setSpinPosition(int, int) override {}
    void showControl(int id, bool show) override { shown[id] = show; }
    void enableControl(int id, bool enable) override { enabled[id] = enable; }
    std::uintptr_t handle() const override { return 1; }

    std::set<int> existing;
    std::map<int, bool> shown;
    std::map<int, bool> enabled;
};

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

TEST(AccessTest, ApplyTouchesOnlyThePagesExistingControls) {
    // VHF Pattern Map 1 (0x0AF) and 4 (0x08F) are on the Beacon page; the first
    // has its label on this page, the second only its edit box.
    const auto strings = std::span<const ParameterDefinition>(builtinStringDefinitions, builtinStringCount);
    const ParameterDefinition& map1 = strings[StringRow::VHFPattern1];
    const ParameterDefinition& map4 = strings[StringRow::VHFPattern4];
    const ParameterDefinition& factory = strings[StringRow::FactSysCTN];  // Fact. Parms, 0x0AA
    PageWithSomeControls page({map1.controlId, map1.labelId, map4.controlId, factory.controlId});

    applyAccess(page, Page::Beacon, strings, kMaskCoordinator, true);
    EXPECT_TRUE(page.shown.at(map1.controlId));
    EXPECT_TRUE(page.enabled.at(map1.controlId));
    EXPECT_TRUE(page.enabled.at(map1.labelId));
    EXPECT_TRUE(page.shown.at(map4.controlId));
    EXPECT_FALSE(page.enabled.at(map4.controlId));
    EXPECT_EQ(page.shown.count(map1.extraId), 0u);       // not on the page
    EXPECT_EQ(page.shown.count(factory.controlId), 0u);  // another page's row

    applyAccess(page, Page::Beacon, strings, kMaskTest, true);
    EXPECT_FALSE(page.shown.at(map1.controlId));  // hidden, not merely disabled
    EXPECT_FALSE(page.enabled.at(map1.controlId));

    applyAccess(page, Page::Beacon, strings, kMaskEngineer, false);
    EXPECT_TRUE(page.shown.at(map4.controlId));
    EXPECT_FALSE(page.enabled.at(map4.controlId));
}

}  // namespace
}  // namespace orv
