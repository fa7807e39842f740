#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "model/page.h"

namespace orv {

struct ParameterRecord;

// The tabs of the main window, in their order.
enum class Tab : int {
    GpsParms,
    Misc,
    Transmitter,
    DataColl,
    Schedule,
    ScheduleTable,
    Simulation,
    Beacon,
    FactParms
};

// How the pages of a tab share it.
enum class TabPages : int {
    Together,   // the form and its panels show at once
    OneOfForms  // one form at a time (see pageOfTab)
};

// Everything known about one tab: its title, the [Active Tabs] key that
// switches it, and the pages (forms and panels) it holds, its main form first.
struct TabFacts {
    Tab tab;
    const char* title;
    const char* activeKey;
    std::array<Page, 3> pages;
    std::size_t pageCount;
    TabPages shared;

    constexpr std::span<const Page> pageList() const { return {pages.data(), pageCount}; }
};

// The one table of tabs, in tab order; everything else about tabs is derived from it.
// clang-format off
inline constexpr std::array kTabTable = {
    TabFacts{Tab::GpsParms,      "GPS Parms",      "GPS Parameters",  {Page::GpsParms},                                                        1, TabPages::Together},
    TabFacts{Tab::Misc,          "Misc.",          "Miscellaneous",   {Page::Misc},                                                            1, TabPages::Together},
    TabFacts{Tab::Transmitter,   "Transmitter",    "Transmitter",     {Page::Transmitter, Page::TransmitterNetwork},                           2, TabPages::OneOfForms},
    TabFacts{Tab::DataColl,      "Data Coll.",     "Data Collection", {Page::DataColl},                                                        1, TabPages::Together},
    TabFacts{Tab::Schedule,      "Schedule",       "Schedule",        {Page::Schedule, Page::ScheduleGpsPanel, Page::ScheduleTransmitterPanel}, 3, TabPages::Together},
    TabFacts{Tab::ScheduleTable, "Schedule Table", "ScheduleTable",   {Page::ScheduleTable},                                                   1, TabPages::Together},
    TabFacts{Tab::Simulation,    "Simulation",     "Simulation",      {Page::Simulation},                                                      1, TabPages::Together},
    TabFacts{Tab::Beacon,        "Beacon",         "Beacon",          {Page::Beacon},                                                          1, TabPages::Together},
    TabFacts{Tab::FactParms,     "Fact. Parms",    "Factory Params",  {Page::FactParms},                                                       1, TabPages::Together},
};
// clang-format on

inline constexpr int kTabCount = static_cast<int>(kTabTable.size());

constexpr const TabFacts& tabFacts(Tab tab) {
    return kTabTable[static_cast<std::size_t>(tab)];
}
constexpr const char* tabTitle(Tab tab) {
    return tabFacts(tab).title;
}

// The [Active Tabs] keys, in tab order.
inline constexpr auto kActiveTabKeys = [] {
    std::array<const char*, kTabTable.size()> keys{};
    for (std::size_t i = 0; i < kTabTable.size(); ++i) keys[i] = kTabTable[i].activeKey;
    return keys;
}();

// Every page a tab holds, tab by tab in tab order.
inline constexpr auto kAllTabPages = [] {
    constexpr std::size_t count = [] {
        std::size_t n = 0;
        for (const TabFacts& facts : kTabTable) n += facts.pageCount;
        return n;
    }();
    std::array<Page, count> pages{};
    std::size_t n = 0;
    for (const TabFacts& facts : kTabTable) {
        for (const Page page : facts.pageList()) pages[n++] = page;
    }
    return pages;
}();

// The tabs the settings file switches on ([Active Tabs], 1 = shown), in tab order.
std::vector<Tab> activeTabs(const std::string& settingsFile);

// The page a tab shows now: its main form, but the network form of the
// Transmitter tab while the transmitter enable type is "Spread_Spectrum".
Page pageOfTab(Tab tab, const ParameterRecord& record);

// The pages of a tab on screen now: the page it shows (pageOfTab) and, where
// they show together, the tab's other pages.
std::vector<Page> shownPagesOfTab(Tab tab, const ParameterRecord& record);

// The tab that holds a page (forms and panels included); false when no tab does.
bool tabOfPage(Page page, Tab& tab);

}  // namespace orv
