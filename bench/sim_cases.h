#pragma once

// The schedules the simulation benchmarks run: the worst case within the point
// limits (a fix and a transmission every second of every day over 8 years)
// and a typical 4-year schedule.

#include <ctime>

#include "model/record.h"

namespace orv::bench {

inline std::uint32_t deployment() {
    std::tm t{};
    t.tm_year = 2021 - 1900;
    t.tm_mon = 5;
    t.tm_mday = 1;
    return static_cast<std::uint32_t>(timegm(&t));
}

inline ParameterRecord worstCase() {
    ParameterRecord record;
    resetRecord(record);
    record.general(GeneralRow::SimulationYears) = 8;
    record.general(GeneralRow::GpsFixingEnabled) = 1;
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::PttPriInterval) = 1;
    for (int s = 1; s <= kSeasons; ++s) {
        record.season(s, SeasonRow::FixIntervalUnits) = 0;  // seconds
        record.season(s, SeasonRow::GpsFixInterval_1) = 1;
        record.season(s, SeasonRow::ArgosStartTime_1) = 0;
        record.season(s, SeasonRow::ArgosNumHours_1) = 24;
    }
    return record;
}

// The budget's worst case: ten years of a fix every minute all day and a
// transmission every hour (the years beyond the window's limit of 8, as a
// settings file may allow).
inline ParameterRecord fixEveryMinuteTenYears() {
    ParameterRecord record;
    resetRecord(record);
    record.general(GeneralRow::SimulationYears) = 10;
    record.general(GeneralRow::GpsFixingEnabled) = 1;
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::PttPriInterval) = 3600;
    for (int s = 1; s <= kSeasons; ++s) {
        record.season(s, SeasonRow::FixIntervalUnits) = 1;  // minutes
        record.season(s, SeasonRow::GpsFixInterval_1) = 1;
        record.season(s, SeasonRow::GpsStartTime_1) = 0;
        record.season(s, SeasonRow::GpsNumHours_1) = 24;
        record.season(s, SeasonRow::ArgosStartTime_1) = 0;
        record.season(s, SeasonRow::ArgosNumHours_1) = 24;
    }
    return record;
}

// Summer from 1 May and winter from 1 October: fixes every 2 and every 6
// hours, transmissions every 90 s for 4 hours a day in summer and on one day
// in three in winter.
inline ParameterRecord typical() {
    ParameterRecord record;
    resetRecord(record);
    record.general(GeneralRow::SimulationYears) = 4;
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::PttPriInterval) = 90;
    const auto season = [&](int s, double startDay, double next, double fixHours, double block) {
        record.season(s, SeasonRow::SeasonType) = 1;
        record.season(s, SeasonRow::NumberOfDays) = startDay;
        record.season(s, SeasonRow::NextSeason) = next;
        record.season(s, SeasonRow::FixIntervalUnits) = 2;  // hours
        record.season(s, SeasonRow::GpsFixInterval_1) = fixHours;
        record.season(s, SeasonRow::ArgosDcbDuration) = block;
        record.season(s, SeasonRow::ArgosStartTime_1) = 16 * 60;
        record.season(s, SeasonRow::ArgosNumHours_1) = 4;
    };
    season(1, 121, 2, 2, 1);
    season(2, 274, 1, 6, 3);
    return record;
}

}  // namespace orv::bench
