#include "binding/tabs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/record.h"
#include "temp_dir.h"

namespace orv {
namespace {

TEST(TabTable, EveryPageWithRowsBelongsToExactlyOneTabAndListsInTabOrder) {
    for (int page = 0; page < kPageCount; ++page) {
        const auto holders = std::count(kAllTabPages.begin(), kAllTabPages.end(), static_cast<Page>(page));
        Tab tab{};
        const bool held = tabOfPage(static_cast<Page>(page), tab);
        EXPECT_EQ(held, holders == 1) << page;
        EXPECT_LE(holders, 1) << page;
        if (held) {
            const auto pages = tabFacts(tab).pageList();
            EXPECT_NE(std::find(pages.begin(), pages.end(), static_cast<Page>(page)), pages.end());
        }
    }
    // The main window and the dialogs are no tab pages.
    Tab tab{};
    EXPECT_FALSE(tabOfPage(Page::Main, tab));
    EXPECT_FALSE(tabOfPage(Page::ComPortDialog, tab));
    EXPECT_STREQ(tabTitle(Tab::FactParms), "Fact. Parms");
    EXPECT_STREQ(kActiveTabKeys[static_cast<std::size_t>(Tab::ScheduleTable)], "ScheduleTable");
    EXPECT_EQ(kAllTabPages.front(), Page::GpsParms);
    EXPECT_EQ(kAllTabPages.back(), Page::FactParms);
}

TEST(TabTable, TheSettingsFileSwitchesTabsByTheirKeys) {
    test::TempDir dir;
    const std::string cfg = dir.file("Orv3.cfg");
    EXPECT_EQ(activeTabs(cfg).size(), static_cast<std::size_t>(kTabCount));
    dir.write("Orv3.cfg", "[Active Tabs]\nBeacon=0\nSimulation=x\nFactory Params=2\nMiscellaneous=1\n");
    const std::vector<Tab> expected = {Tab::GpsParms, Tab::Misc,     Tab::Transmitter,
                                       Tab::DataColl, Tab::Schedule, Tab::ScheduleTable};
    EXPECT_EQ(activeTabs(cfg), expected);
}

TEST(TabTable, TheTransmitterTabShowsOneFormAndTheScheduleTabItsPanelsToo) {
    ParameterRecord record;
    resetRecord(record);
    EXPECT_EQ(pageOfTab(Tab::Transmitter, record), Page::Transmitter);
    EXPECT_EQ(shownPagesOfTab(Tab::Transmitter, record), std::vector<Page>{Page::Transmitter});
    record.general(GeneralRow::XmitterEnblType) = 3;  // "Spread_Spectrum"
    EXPECT_EQ(pageOfTab(Tab::Transmitter, record), Page::TransmitterNetwork);
    EXPECT_EQ(shownPagesOfTab(Tab::Transmitter, record), std::vector<Page>{Page::TransmitterNetwork});
    const std::vector<Page> schedule = {Page::Schedule, Page::ScheduleGpsPanel,
                                        Page::ScheduleTransmitterPanel};
    EXPECT_EQ(shownPagesOfTab(Tab::Schedule, record), schedule);
    EXPECT_EQ(pageOfTab(Tab::Beacon, record), Page::Beacon);
}

}  // namespace
}  // namespace orv
