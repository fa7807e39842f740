// Where a day-of-year season lies in the calendar, by the two rule sets.
//
// Classic rules: a season starts on its day of the year counted from the day
// before 1 January of the simulated date's year, and the next day-of-year
// season's start ends it; the old season end and the simulated date move the
// interval by whole years.
//
// Leap-aware rules: day numbers are counted from 1 January of the year of the
// season end just left; moving by a year takes 366 days when the move crosses
// a 29 February.
//
// A season that runs for ever is open-ended: it holds every day from its start
// on, and a day before its start this year lies in it since its start last
// year. So the date search ends at the first such season of the chain unless
// an earlier season holds the date.

#include "sim/sim_engine.h"

namespace orv {

namespace {

int yearOfDay(std::uint32_t dayNumber) {
    return simDate(dayNumber * kSecondsPerDay).year;
}
int dayOfYearOf(std::uint32_t dayNumber) {
    return simDate(dayNumber * kSecondsPerDay).dayOfYear;
}

// Days to move a date back by one year: 366 when the year moved over holds a 29 February.
std::uint32_t yearBackFrom(std::uint32_t dayNumber) {
    const int year = yearOfDay(dayNumber);
    const int day = dayOfYearOf(dayNumber);
    return (simLeapYear(year) && day > 60) || (simLeapYear(year - 1) && day < 60) ? 366 : 365;
}

std::uint32_t yearForwardFrom(std::uint32_t dayNumber) {
    const int year = yearOfDay(dayNumber);
    const int day = dayOfYearOf(dayNumber);
    return (simLeapYear(year) && day <= 60) || (simLeapYear(year + 1) && day >= 60) ? 366 : 365;
}

std::uint16_t dayField(std::uint32_t dayNumber) {
    return dayNumber >= kSimNeverEnds ? kSimNeverEnds : static_cast<std::uint16_t>(dayNumber);
}

}  // namespace

int SimulationEngine::classicSeasonDays(SimChannel& c) {
    const SimDate& now = today();
    const std::uint32_t beforeNewYear = static_cast<std::uint32_t>(now.dayNumber - now.dayOfYear);
    const std::uint32_t oldEnd = c.seasonEndDay;
    std::uint32_t start = beforeNewYear + static_cast<std::uint32_t>(image.dayCount(c.season));
    std::uint32_t end = kSimNeverEnds;
    if (image.nextCode(c.season) != kSimRunForever) {
        const int next = nextDayOfYearSeason(c.season);
        if (next < 0) return kSimStopped;
        end = beforeNewYear + static_cast<std::uint32_t>(image.dayCount(next));
    }
    const std::uint32_t yearLength = static_cast<std::uint32_t>(simYearLength(now.year));
    if (oldEnd < start) start -= static_cast<std::uint32_t>(simYearLength(now.year - 1));
    if (end != kSimNeverEnds) {
        if (end <= start) end += yearLength;
        if (oldEnd >= end) {
            start += yearLength;
            end += yearLength;
        }
    }
    c.seasonStartDay = dayField(start);
    c.seasonEndDay = end == kSimNeverEnds ? kSimNeverEnds : dayField(end);
    return kSimEvent;
}

int SimulationEngine::leapAwareSeasonDays(SimChannel& c, bool enteredByDateSearch) {
    const std::uint32_t oldEnd = c.seasonEndDay;
    std::uint32_t start = oldEnd;
    std::uint32_t newYear = simNewYearDay(yearOfDay(oldEnd));
    if (enteredByDateSearch) {
        start = newYear + static_cast<std::uint32_t>(image.dayCount(c.season)) - 1;
        if (oldEnd < start) start -= yearBackFrom(start);
    } else {
        newYear = simNewYearDay(yearOfDay(start));
    }
    std::uint32_t end = kSimNeverEnds;
    if (image.nextCode(c.season) != kSimRunForever) {
        const int next = nextDayOfYearSeason(c.season);
        if (next < 0) return kSimStopped;
        end = newYear + static_cast<std::uint32_t>(image.dayCount(next)) - 1;
        if (end <= start) end += yearForwardFrom(end);
    }
    c.seasonStartDay = dayField(start);
    c.seasonEndDay = end == kSimNeverEnds ? kSimNeverEnds : dayField(end);
    return kSimEvent;
}

int SimulationEngine::classicFindDateSeason(SimChannel& c) {
    const SimDate& now = today();
    const int yearLength = simYearLength(now.year);
    for (int s = 0;; s = chainNext(s)) {
        if (stopRequested()) return kSimStopped;
        if (!image.dayOfYear(s)) continue;
        bool holds = image.nextCode(s) == kSimRunForever;
        if (!holds) {
            const int next = nextDayOfYearSeason(s);
            if (next < 0) return kSimStopped;
            const int start = image.dayCount(s);
            int end = image.dayCount(next);
            int day = now.dayOfYear;
            if (end <= start) {
                end += yearLength;
                if (day < start) day += yearLength;
            }
            holds = start <= day && day < end;
        }
        if (holds) {
            c.previousSeason = c.season;
            c.season = static_cast<std::uint8_t>(s);
            return kSimEvent;
        }
    }
}

int SimulationEngine::leapAwareFindDateSeason(SimChannel& c) {
    const std::uint32_t day = c.seasonEndDay;
    const std::uint32_t newYear = simNewYearDay(yearOfDay(day));
    for (int s = 0;; s = chainNext(s)) {
        if (stopRequested()) return kSimStopped;
        if (!image.dayOfYear(s)) continue;
        bool holds = image.nextCode(s) == kSimRunForever;
        if (!holds) {
            const int next = nextDayOfYearSeason(s);
            if (next < 0) return kSimStopped;
            std::uint32_t start = newYear + static_cast<std::uint32_t>(image.dayCount(s)) - 1;
            std::uint32_t end = newYear + static_cast<std::uint32_t>(image.dayCount(next)) - 1;
            if (end <= start) {
                if (day < start) {
                    start -= yearBackFrom(start);
                } else {
                    end += yearForwardFrom(end);
                }
            }
            holds = start <= day && day < end;
        }
        if (holds) {
            c.previousSeason = c.season;
            c.season = static_cast<std::uint8_t>(s);
            return kSimEvent;
        }
    }
}

}  // namespace orv
