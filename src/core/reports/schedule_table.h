#pragma once

// The schedule table of the printed programming report as data: a header and,
// per listed season, the lines of its four columns. The printed report only
// places them.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/record.h"

namespace orv {

struct ListedSeason {
    int season;          // 1..12
    int startYearIndex;  // years since 2000
    int endYearIndex;
};

// The seasons the schedule reaches from season 1, each once, in chain order,
// with the years they start and end in (see the .cpp for the walk).
std::vector<ListedSeason> listedSeasons(const ParameterRecord& record);

struct ScheduleRow {
    int season;
    // Season number, dates (or day count), GPS schedule, transmitter schedule
    // (empty when transmissions are off); each column a list of lines.
    std::array<std::vector<std::string>, 4> columns;
};

struct ScheduleTable {
    std::array<std::string, 4> header;  // the fourth is "" when transmissions are off
    bool transmitterColumn = false;
    std::vector<ScheduleRow> rows;  // the listed seasons, in chain order
};

ScheduleTable scheduleTable(const ParameterRecord& record);

// The season's fix count: 0 without a GPS block, else the sum over its three duty cycles.
int seasonFixCount(const ParameterRecord& record, int season);

// Horizontal placement of the four columns between left and right, measured in
// the caller's font by textWidth.
struct ScheduleColumns {
    std::array<double, 4> left, right;
    double textInset;  // GPS and transmitter texts start this far inside their columns
};
ScheduleColumns scheduleColumns(double left, double right,
                                const std::function<double(const std::string&)>& textWidth);

}  // namespace orv
