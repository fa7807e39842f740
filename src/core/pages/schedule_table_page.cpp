#include "pages/schedule_table_page.h"

#include "model/definitions.h"
#include "model/format_value.h"
#include "model/lists.h"
#include "model/value_kind.h"

namespace orv {
namespace {

bool dayOfYearSeason(const ParameterRecord& record, int season) {
    return record.season(season, SeasonRow::SeasonType) == 1;
}

// A row that shows one season row's value by its kind (lists by their entries).
ScheduleTableRow valueRow(const ParameterRecord& record, const std::string& parameter, int row) {
    ScheduleTableRow line{parameter, {}};
    for (int season = 1; season <= kSeasons; ++season) {
        line.seasons[static_cast<std::size_t>(season - 1)] =
            formatValue(record.season(season, row), seasonRow(row).kind);
    }
    return line;
}

// The rows the grid shows first, in their own order and words.
bool shownFirst(int row) {
    switch (row) {
        case SeasonRow::NextSeason:
        case SeasonRow::FixIntervalUnits:
        case SeasonRow::SeasonType:
        case SeasonRow::NumDaysCheck:
        case SeasonRow::Season:
        case SeasonRow::NumberOfDays:
        case SeasonRow::LengthOfSeasonSeasonStartDay:
        case SeasonRow::GpsDcbDuration:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::array<std::string, kSeasons> scheduleTableSeasonHeaders() {
    std::array<std::string, kSeasons> headers;
    for (int season = 1; season <= kSeasons; ++season) {
        headers[static_cast<std::size_t>(season - 1)] = "Season " + std::to_string(season);
    }
    return headers;
}

std::vector<ScheduleTableRow> scheduleTableRows(const ParameterRecord& record) {
    std::vector<ScheduleTableRow> rows;

    ScheduleTableRow type{"Season Type", {}};
    ScheduleTableRow start{"Start-Date/Number-of-Days", {}};
    for (int season = 1; season <= kSeasons; ++season) {
        const auto column = static_cast<std::size_t>(season - 1);
        const bool dayOfYear = dayOfYearSeason(record, season);
        type.seasons[column] = listEntry(seasonLengthList(), dayOfYear ? 1 : 0);
        const double length = record.season(season, SeasonRow::NumberOfDays);
        start.seasons[column] = formatValue(length, dayOfYear ? KindDayOfYear : KindInteger);
    }
    rows.push_back(std::move(type));
    rows.push_back(std::move(start));
    rows.push_back(valueRow(record, seasonRow(SeasonRow::NextSeason).label, SeasonRow::NextSeason));
    rows.push_back(valueRow(record, "GPS Duty Cycle Block", SeasonRow::GpsDcbDuration));
    rows.push_back(valueRow(record, "GPS Fix Interval Units", SeasonRow::FixIntervalUnits));
    for (int row = 0; row < kSeasonCount; ++row) {
        if (!shownFirst(row)) rows.push_back(valueRow(record, seasonRow(row).label, row));
    }
    return rows;
}

}  // namespace orv
