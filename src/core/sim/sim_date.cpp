#include "sim/sim_date.h"

#include "model/lists.h"

namespace orv {

SimDate simDate(std::uint32_t time) {
    SimDate date{};
    const std::uint32_t days = time / kSecondsPerDay;
    const std::uint32_t secondOfDay = time % kSecondsPerDay;
    date.dayNumber = static_cast<std::uint16_t>(days);
    date.hour = static_cast<int>(secondOfDay / 3600);
    date.minute = static_cast<int>(secondOfDay / 60 % 60);
    date.second = static_cast<int>(secondOfDay % 60);

    int year = 1970;
    std::uint32_t rest = days;
    while (rest >= static_cast<std::uint32_t>(simYearLength(year)))
        rest -= static_cast<std::uint32_t>(simYearLength(year++));
    date.year = year;
    date.leap = simLeapYear(year);
    date.dayOfYear = static_cast<int>(rest) + 1;

    const auto monthLength = monthLengths();
    int dayOfMonth = date.dayOfYear;
    int month = 0;
    for (; month < 11; ++month) {
        const int length = monthLength[static_cast<std::size_t>(month)] + (month == 1 && date.leap ? 1 : 0);
        if (dayOfMonth <= length) break;
        dayOfMonth -= length;
    }
    date.month = month + 1;
    date.day = dayOfMonth;
    return date;
}

std::uint32_t simNewYearDay(int year) {
    std::uint32_t day = 0;
    for (int y = 1970; y < year; ++y) day += static_cast<std::uint32_t>(simYearLength(y));
    return day;
}

}  // namespace orv
