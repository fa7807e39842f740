#include "reports/schedule_table.h"

#include "app/format_text.h"
#include "model/format_value.h"
#include "model/lists.h"
#include "model/transmitter_type.h"
#include "reports/report_text.h"
#include "reports/schedule_text.h"

namespace orv {

namespace {

constexpr int kRunForever = 14;

int seasonInt(const ParameterRecord& record, int season, int row) {
    return reportInt(record.season(season, row));
}
bool isDayOfYear(const ParameterRecord& record, int season) {
    return record.season(season, SeasonRow::SeasonType) == 1.0;
}

// The season a season's NextSeason leads to; 0 when the chain ends there
// (shutdown, run forever, or a value outside the list).
int successor(const ParameterRecord& record, int season) {
    const int next = seasonInt(record, season, SeasonRow::NextSeason);
    if (next == 0) return season % kSeasons + 1;
    return next >= 1 && next <= kSeasons ? next : 0;
}

// The day-of-year season that takes over when a day-of-year season ends: the
// next one along the chain (number-of-days seasons are passed over, as the
// collar passes them over), or 0 when the chain reaches none.
int nextDayOfYearSeason(const ParameterRecord& record, int season) {
    int next = season;
    for (int steps = 0; steps < kSeasons; ++steps) {
        next = successor(record, next);
        if (next == 0) return 0;
        if (isDayOfYear(record, next)) return next;
    }
    return 0;
}

std::string dayText(int dayOfYear) {
    return formatValue(dayOfYear, KindDayOfYear);
}

std::string yearSuffix(int yearIndex) {
    return formatText(", %02d", yearIndex);
}

std::string datesColumn(const ParameterRecord& record, const ListedSeason& listed, bool spreadSpectrum) {
    const int s = listed.season;
    const int days = seasonInt(record, s, SeasonRow::NumberOfDays);
    if (!isDayOfYear(record, s)) return std::to_string(days) + " ";
    std::string text = dayText(days);
    if (spreadSpectrum) text += yearSuffix(listed.startYearIndex);
    if (seasonInt(record, s, SeasonRow::NextSeason) > kSeasons) return text;
    const int next = nextDayOfYearSeason(record, s);
    if (next == 0) return text;
    const int nextStart = seasonInt(record, next, SeasonRow::NumberOfDays);
    text += " - " + dayText(nextStart == 1 ? 365 : nextStart - 1);
    if (spreadSpectrum) text += yearSuffix(listed.endYearIndex);
    return text;
}

struct GpsCycle {
    int day, start, hours, interval;
};

GpsCycle gpsCycle(const ParameterRecord& record, int season, int n) {
    const int base = SeasonRow::GpsDcbDay_1 + 4 * n;
    return {seasonInt(record, season, base), seasonInt(record, season, base + 1),
            seasonInt(record, season, base + 2), seasonInt(record, season, base + 3)};
}

std::vector<std::string> gpsColumn(const ParameterRecord& record, int s) {
    std::vector<std::string> lines;
    const int block = seasonInt(record, s, SeasonRow::GpsDcbDuration);
    const int units = seasonInt(record, s, SeasonRow::FixIntervalUnits);
    std::vector<GpsCycle> active;
    for (int n = 0; n < 3; ++n)
        if (const GpsCycle c = gpsCycle(record, s, n); c.interval != 0) active.push_back(c);

    const int fixes = seasonFixCount(record, s);
    if (fixes == 0) {
        lines.push_back("No Scheduled Fixes");
    } else if (fixes > 9 || active.size() < 2) {
        for (const auto& c : active)
            lines.push_back(gpsBlockPhrase(c.day, block, c.interval, units, c.hours, c.start));
    } else {
        // A few fixes: their clock times, grouped by the day of the block they fall on.
        std::string line = "Fix attempt(s) will occur at:";
        for (std::size_t i = 0; i < active.size(); ++i) {
            const GpsCycle& c = active[i];
            const bool daily = block <= 1 || c.hours == 24 * block;
            if (!daily) {
                lines.push_back(line);
                line = "Day " + std::to_string(c.day) + " of " + std::to_string(block) + ", ";
            } else if (i > 0) {
                line += ",";
            }
            line += fixTimesList(c.interval, units, c.hours, c.start);
        }
        lines.push_back(line);
    }
    const int next = seasonInt(record, s, SeasonRow::NextSeason);
    if (next == s || next == kRunForever) {
        lines.push_back("Run this Season to End of Life");
    } else {
        lines.push_back("Go to " + std::string(listEntry(nextSeasonShortList(), next)) + " ");
    }
    return lines;
}

std::vector<std::string> transmitterColumn(const ParameterRecord& record, const ListedSeason& listed,
                                           TransmitterType type) {
    const int s = listed.season;
    std::vector<std::string> lines;
    int totalHours = 0;
    for (int n = 0; n < 3; ++n) totalHours += seasonInt(record, s, SeasonRow::ArgosNumHours_1 + 3 * n);
    if (totalHours == 0) return {"No Scheduled Transmissions!"};
    const int block = seasonInt(record, s, SeasonRow::ArgosDcbDuration);
    // A number-of-days season has no calendar start of its own; its day count stands in.
    const int startDay = seasonInt(record, s, SeasonRow::NumberOfDays);
    for (int n = 0; n < 3; ++n) {
        const int base = SeasonRow::ArgosDcbDay_1 + 3 * n;
        const int day = seasonInt(record, s, base);
        const int start = seasonInt(record, s, base + 1);
        const int hours = seasonInt(record, s, base + 2);
        if (hours == 0) continue;
        const std::string date =
            transmitStartDate(block, day, start, hours, type, startDay, listed.startYearIndex);
        if (date != kNoDate) lines.push_back(date);
        lines.push_back(transmitPhrase(block, day, start, hours, type, startDay, listed.startYearIndex));
    }
    return lines;
}

}  // namespace

// The walk: from season 1, each season leads to the one its NextSeason names
// ("next physical season" after season 12 is season 1, as the collar wraps);
// shutdown, run-forever and a season already listed end it. So every season
// reached is listed once, in the order the collar runs them.
//
// The years: the first season starts in the deployment year. A day-of-year
// season runs to the day before the next day-of-year season's start; when that
// day is not after its own start day it ends in the following year, and every
// season after it starts a year later. A season followed by one that starts
// on 1 January ends on 31 December of its own year, and the seasons after it
// start in the next.
std::vector<ListedSeason> listedSeasons(const ParameterRecord& record) {
    std::vector<ListedSeason> listed;
    std::array<bool, kSeasons + 1> seen{};
    int year = reportInt(record.general(GeneralRow::StartYear)) - 2000;
    for (int s = 1; s != 0 && !seen[static_cast<std::size_t>(s)]; s = successor(record, s)) {
        seen[static_cast<std::size_t>(s)] = true;
        ListedSeason entry{s, year, year};
        const int next = nextDayOfYearSeason(record, s);
        if (isDayOfYear(record, s) && seasonInt(record, s, SeasonRow::NextSeason) <= kSeasons && next != 0) {
            const int start = seasonInt(record, s, SeasonRow::NumberOfDays);
            const int nextStart = seasonInt(record, next, SeasonRow::NumberOfDays);
            if (nextStart == 1) {
                ++year;
            } else if (nextStart - 1 <= start) {
                entry.endYearIndex = ++year;
            }
        }
        listed.push_back(entry);
    }
    return listed;
}

int seasonFixCount(const ParameterRecord& record, int season) {
    if (seasonInt(record, season, SeasonRow::GpsDcbDuration) == 0) return 0;
    const int units = seasonInt(record, season, SeasonRow::FixIntervalUnits);
    int count = 0;
    for (int n = 0; n < 3; ++n) {
        const GpsCycle c = gpsCycle(record, season, n);
        count += dutyCycleFixCount(c.interval, units, c.hours);
    }
    return count;
}

ScheduleTable scheduleTable(const ParameterRecord& record) {
    ScheduleTable table;
    const TransmitterType type = wholeTransmitterType(record);
    const bool network = type == TransmitterType::SpreadSpectrum;
    table.transmitterColumn = record.general(GeneralRow::XmitnsEnabled) != 0.0;
    table.header = {"Season #", isDayOfYear(record, 1) ? "Dates" : "# of days", "GPS Fix Schedule",
                    table.transmitterColumn ? (network ? "Spread Spectrum Schedule" : "Argos Schedule") : ""};
    for (const auto& listed : listedSeasons(record)) {
        ScheduleRow row{listed.season, {}};
        row.columns[0] = {std::to_string(listed.season)};
        row.columns[1] = {datesColumn(record, listed, network)};
        row.columns[2] = gpsColumn(record, listed.season);
        if (table.transmitterColumn) row.columns[3] = transmitterColumn(record, listed, type);
        table.rows.push_back(std::move(row));
    }
    return table;
}

ScheduleColumns scheduleColumns(double left, double right,
                                const std::function<double(const std::string&)>& textWidth) {
    ScheduleColumns columns{};
    const double numberWidth = textWidth("xStartTimex");
    const double dateWidth = textWidth("xMar 31, 06x");
    const double rest = right - left - numberWidth - dateWidth;
    const double gpsWidth = rest * 0.6;
    columns.left = {left, left + numberWidth, left + numberWidth + dateWidth,
                    left + numberWidth + dateWidth + gpsWidth};
    columns.right = {columns.left[1], columns.left[2], columns.left[3], right};
    columns.textInset = 3 * textWidth(" ");
    return columns;
}

}  // namespace orv
