#pragma once

// Dates as the collar's scheduler counts them: seconds and days since
// 1 January 1970, UTC, every year divisible by 4 a leap year.

#include <cstdint>

namespace orv {

inline constexpr std::uint32_t kSecondsPerDay = 86400;

struct SimDate {
    std::uint16_t dayNumber;  // days since 1 January 1970
    int year;
    int dayOfYear;  // 1 = 1 January
    int month;      // 1..12
    int day;        // day of the month
    int hour, minute, second;
    bool leap;
};

constexpr bool simLeapYear(int year) {
    return year % 4 == 0;
}
constexpr int simYearLength(int year) {
    return simLeapYear(year) ? 366 : 365;
}

SimDate simDate(std::uint32_t time);
// The day number of 1 January of a year from 1970 on.
std::uint32_t simNewYearDay(int year);

}  // namespace orv
