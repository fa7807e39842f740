#pragma once

// The Schedule Table tab: a read-only grid of the twelve seasons side by side,
// refilled from the record every time the tab is shown.

#include <array>
#include <string>
#include <vector>

#include "model/record.h"

namespace orv {

inline constexpr const char* kScheduleTableParameterColumn = "Parameter";

struct ScheduleTableRow {
    std::string parameter;                      // the left column
    std::array<std::string, kSeasons> seasons;  // season 1 first
};

// "Season 1" ... "Season 12".
std::array<std::string, kSeasons> scheduleTableSeasonHeaders();

// Every row of the grid: the season type, its start date or number of days,
// the next season, the GPS block length and fix interval units, then the
// remaining season rows in table order, each as its value's text.
std::vector<ScheduleTableRow> scheduleTableRows(const ParameterRecord& record);

}  // namespace orv
