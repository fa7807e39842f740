#pragma once

#include <array>
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

inline constexpr int kTabCount = 9;

inline constexpr std::array<const char*, kTabCount> kTabTitles = {"GPS Parms",  "Misc.",    "Transmitter",
                                                                  "Data Coll.", "Schedule", "Schedule Table",
                                                                  "Simulation", "Beacon",   "Fact. Parms"};

inline constexpr const char* kNoTabsMessage =
    "Orv didn't find any tabs to display -- the configuration\nfile is incorrect.\n\nContact Halvorn support "
    "for "
    "help.";

// The tabs the settings file switches on ([Active Tabs], 1 = shown), in tab order.
std::vector<Tab> activeTabs(const std::string& settingsFile);

// The page a tab shows now: the network form of the Transmitter tab while the
// transmitter enable type is "Spread_Spectrum".
Page pageOfTab(Tab tab, const ParameterRecord& record);

}  // namespace orv
