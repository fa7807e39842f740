#pragma once

// Schedules for the simulation tests: a reset record whose seasons are set by
// hand, and UTC times.

#include <cstdint>
#include <ctime>

#include "model/record.h"

namespace orv::test {

inline std::uint32_t utc(int year, int month, int day, int hour = 0, int minute = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return static_cast<std::uint32_t>(timegm(&t));
}

struct Schedule {
    Schedule() {
        resetRecord(record);
        record.general(GeneralRow::GpsFixingEnabled) = 1;
        record.general(GeneralRow::XmitnsEnabled) = 0;
        for (int s = 1; s <= kSeasons; ++s) {
            // No transmitter block unless a test gives one.
            set(s, SeasonRow::ArgosDcbDuration, 0);
        }
    }
    Schedule& set(int season, int row, double value) {
        record.season(season, row) = value;
        return *this;
    }
    // One GPS duty cycle (1..3) of a season: day, start minutes, hours, interval.
    Schedule& gps(int season, int cycle, double day, double start, double hours, double interval) {
        const int base = SeasonRow::GpsDcbDay_1 + 4 * (cycle - 1);
        set(season, base, day)
            .set(season, base + 1, start)
            .set(season, base + 2, hours)
            .set(season, base + 3, interval);
        return *this;
    }
    Schedule& transmitter(int season, int cycle, double day, double start, double hours) {
        const int base = SeasonRow::ArgosDcbDay_1 + 3 * (cycle - 1);
        set(season, base, day).set(season, base + 1, start).set(season, base + 2, hours);
        return *this;
    }
    Schedule& dayOfYear(int season, double startDay, double next) {
        return set(season, SeasonRow::SeasonType, 1)
            .set(season, SeasonRow::NumberOfDays, startDay)
            .set(season, SeasonRow::NextSeason, next);
    }
    ParameterRecord record;
};

}  // namespace orv::test
