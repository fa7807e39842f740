#include "reports/schedule_text.h"

#include "app/format_text.h"
#include "model/lists.h"

namespace orv {

namespace {

constexpr const char* kUnitNames[] = {"second", "minute", "hour", "day"};
constexpr int kSecondsPerUnit[] = {1, 60, 3600, 86400};

bool validUnits(int units) {
    return units >= 0 && units < 4;
}
// Seconds between fixes; 0 for a cycle without an interval (or with units out of range).
long long fixStep(int fixInterval, int units) {
    return validUnits(units) ? static_cast<long long>(fixInterval) * kSecondsPerUnit[units] : 0;
}

const char* weekdayName(int weekday) {
    return weekdayList()[static_cast<std::size_t>(weekday)];
}

bool isLeapIndex(int yearIndex) {
    return yearIndex % 4 == 0;
}
int yearLength(int yearIndex) {
    return isLeapIndex(yearIndex) ? 366 : 365;
}

// Weekday of 1 January of a Gregorian year (0 = Sunday).
int newYearWeekday(int year) {
    const int y = year - 1;
    return ((1 + 5 * (y % 4) + 4 * (y % 100) + 6 * (y % 400)) % 7 + 7) % 7;
}

}  // namespace

int weekdayOfYearDay(int yearIndex, int dayOfYear) {
    // Counted from the weekday of 1 January, for any year: a day count past the
    // end of the year runs on into the next.
    return ((newYearWeekday(2000 + yearIndex) + dayOfYear - 1) % 7 + 7) % 7;
}

std::string gpsBlockPhrase(int day, int blockLength, int fixInterval, int units, int hours,
                           int startMinutes) {
    const bool continuous = hours == 24LL * blockLength;
    std::string text;
    if (continuous && blockLength > 1) {
        text = "Continuous - ";
    } else if (blockLength <= 1 || continuous) {
        text = formatText("Daily - Beginning @ %02d:%02d, ", startMinutes / 60, startMinutes % 60);
    } else {
        text = formatText("Day %d of %d, ", day, blockLength);
    }
    if (!continuous) {
        const long long end = startMinutes + 60LL * hours;
        long long endHours = end / 60;
        if (endHours > 24) endHours -= 24;  // 24:00 itself stays
        text += formatText("Ending at %02lld:%02lld, ", endHours, end % 60);
    }
    text += formatText("Fix every %d %s", fixInterval, validUnits(units) ? kUnitNames[units] : "");
    if (fixInterval > 1) text += "s";
    return text;
}

int dutyCycleFixCount(int fixInterval, int units, int hours) {
    const long long period = static_cast<long long>(hours) * 3600;
    const long long step = fixStep(fixInterval, units);
    if (period <= 0 || step <= 0) return 0;
    return static_cast<int>((period + step - 1) / step);  // the k >= 0 with period - k * step > 0
}

std::string fixTimesList(int fixInterval, int units, int hours, int startMinutes) {
    std::string text = formatText(" %02d:%02d", startMinutes / 60, startMinutes % 60);
    const long long step = fixStep(fixInterval, units);
    if (step <= 0) return text;  // no interval: the cycle's start is its only time
    long long minutes = startMinutes;
    for (long long remaining = static_cast<long long>(hours) * 3600 - step; remaining > 0;
         remaining -= step) {
        minutes += step / 60;  // whole minutes; times past midnight read 24:00 and on
        text += formatText(", %02lld:%02lld", minutes / 60, minutes % 60);
    }
    return text;
}

std::string transmitPhrase(int blockLength, int day, int startMinutes, int hours, TransmitterType transmitter,
                           int seasonStartDay, int yearIndex) {
    const char* plural = hours < 2 ? "." : "s.";
    if (isArgos(transmitter)) {
        if (blockLength == 0) return "No Transmissions  (Off)";
        if (blockLength == 1 && hours == 24) return "On Continuous";
        std::string text = blockLength == 1 ? "Daily - " : formatText("Day %d of %d - ", day, blockLength);
        text += formatText("Beginning at %02d:%02d, ", startMinutes / 60, startMinutes % 60);
        return text + formatText("Transmit %d Hr%s", hours, plural);
    }
    if (blockLength == 0) return "No 'Listening' Periods   (Off)";
    if (blockLength == 1 && hours == 24) return "On Continuous";
    std::string text;
    if (blockLength == 1) {
        text = "Daily - ";
    } else if (blockLength % 7 != 0) {
        text = formatText("Day %d of %d - ", day, blockLength);
    } else {
        const char* weekday = weekdayName(weekdayOfYearDay(yearIndex, seasonStartDay + day - 1));
        text = blockLength == 7 ? formatText("Every %s - ", weekday)
                                : formatText("Every %d Weeks on %s, ", blockLength / 7, weekday);
    }
    text += formatText("at %02d:%02d, ", startMinutes / 60, startMinutes % 60);
    return text + formatText("'Listening' for %d Hr%s", hours, plural);
}

std::string transmitStartDate(int blockLength, int day, int /*startMinutes*/, int /*hours*/,
                              TransmitterType transmitter, int seasonStartDay, int yearIndex) {
    if (blockLength == 0) return " ";
    if (isArgos(transmitter) || blockLength == 1 || blockLength == 7) return kNoDate;
    // The day the cycle first comes round, placed in the calendar of its year:
    // the collar counts days of the year in the real calendar, so a leap year
    // has its 29 February (day 60) and every later date one day earlier than
    // in a 365-day year. A day past the year's end falls in the next year.
    int dayOfYear = seasonStartDay + day - 1;
    if (dayOfYear < 1) return kNoDate;
    int year = yearIndex;
    while (dayOfYear > yearLength(year)) dayOfYear -= yearLength(year++);
    const int weekday = weekdayOfYearDay(year, dayOfYear);
    const auto lengths = monthLengths();
    std::size_t month = 0;
    int dayOfMonth = dayOfYear;
    for (; month + 1 < lengths.size(); ++month) {
        const int length = lengths[month] + (month == 1 && isLeapIndex(year) ? 1 : 0);
        if (dayOfMonth <= length) break;
        dayOfMonth -= length;
    }
    return formatText("Beginning %s %s%d", weekdayName(weekday), monthAbbreviations()[month], dayOfMonth);
}

}  // namespace orv
