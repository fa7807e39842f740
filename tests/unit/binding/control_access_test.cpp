#include "binding/control_access.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "binding/field_controls.h"
#include "model/access.h"

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
    bool checkState(int) const override { return false; }
    void setCheckState(int, bool) override {}
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

TEST(ControlAccessTest, ApplyTouchesOnlyThePagesExistingControls) {
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
