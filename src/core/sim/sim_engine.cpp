// The channel stepping shared by both rule sets: season chain, duty-cycle
// blocks, the windows of their cycles and the events inside them.

#include "sim/sim_engine.h"

#include <algorithm>

namespace orv {

SimRules rulesForFirmwareRow(int firmwareRow) {
    constexpr int kDs050505 = 3;
    constexpr int kN4050922 = 15;
    return firmwareRow == kDs050505 || firmwareRow == kN4050922 ? SimRules::LeapAwareRules
                                                                : SimRules::ClassicRules;
}

const SimDate& SimulationEngine::today() {
    if (!todayValid || todayTime != reference) {
        todayDate = simDate(reference);
        todayTime = reference;
        todayValid = true;
    }
    return todayDate;
}

int SimulationEngine::chainNext(int season) const {
    const int code = image.nextCode(season);
    if (code == kSimNextPhysical) return (season + 1) % kSeasons;
    if (code <= kSeasons) return code - 1;
    return 0;
}

int SimulationEngine::nextDayOfYearSeason(int season) const {
    int next = season;
    do {
        if (stopRequested()) return -1;
        next = chainNext(next);
    } while (!image.dayOfYear(next));
    return next;
}

int SimulationEngine::seasonDays(int channel, bool enteredByDateSearch) {
    SimChannel& c = channels[channel];
    if (!image.dayOfYear(c.season)) {
        c.seasonStartDay = c.seasonEndDay;
        const std::uint32_t end = c.seasonStartDay + static_cast<std::uint32_t>(image.dayCount(c.season));
        c.seasonEndDay = image.nextCode(c.season) == kSimRunForever || end >= kSimNeverEnds
                             ? kSimNeverEnds
                             : static_cast<std::uint16_t>(end);
        return kSimEvent;
    }
    return rules == SimRules::ClassicRules ? classicSeasonDays(c)
                                           : leapAwareSeasonDays(c, enteredByDateSearch);
}

int SimulationEngine::findDateSeason(int channel) {
    SimChannel& c = channels[channel];
    return rules == SimRules::ClassicRules ? classicFindDateSeason(c) : leapAwareFindDateSeason(c);
}

int SimulationEngine::advanceSeason(int channel) {
    SimChannel& c = channels[channel];
    do {
        if (stopRequested()) return kSimStopped;
        const int code = image.nextCode(c.season);
        // Shutdown ends the channel; so does leaving a season that runs for
        // ever, which only happens when it has no block for the channel: the
        // channel then has nothing more to do.
        if (code == kSimShutdown || code == kSimRunForever) return kSimEnded;
        int next = code == kSimNextPhysical ? (c.season + 1) % kSeasons : code <= kSeasons ? code - 1 : 0;
        const bool fromDayOfYear = image.dayOfYear(c.season);
        const bool dateSearch = !fromDayOfYear && image.dayOfYear(next);
        if (dateSearch) {
            // From a number-of-days season into the calendar: the date decides the season.
            if (findDateSeason(channel) == kSimStopped) return kSimStopped;
        } else {
            if (fromDayOfYear && !image.dayOfYear(next)) {
                // A number-of-days season never follows a day-of-year season: the
                // chain goes on to the next day-of-year season.
                next = nextDayOfYearSeason(next);
                if (next < 0) return kSimStopped;
            }
            c.previousSeason = c.season;
            c.season = static_cast<std::uint8_t>(next);
        }
        if (image.nextCode(c.season) == kSimShutdown) return kSimEnded;
        if (seasonDays(channel, dateSearch) == kSimStopped) return kSimStopped;
        noteEntered(c);
    } while (image.blockLength(channel, c.season) == 0);
    return kSimEvent;
}

void SimulationEngine::computeWindow(int channel) {
    SimChannel& c = channels[channel];
    const std::uint32_t block = static_cast<std::uint32_t>(image.blockLength(channel, c.season));
    std::uint32_t day = static_cast<std::uint32_t>(image.cycleDay(channel, c.season, c.cycle));
    std::uint32_t hours = static_cast<std::uint32_t>(image.cycleHours(channel, c.season, c.cycle));
    const std::uint32_t start = static_cast<std::uint32_t>(image.cycleStart(channel, c.season, c.cycle));
    if (day == 0 || hours == 0) {
        day = 1;  // an empty window
        hours = 0;
    }
    c.windowStart = (c.seasonStartDay + c.blockCount * block + day - 1) * kSecondsPerDay + start * 60;
    c.windowEnd = c.windowStart + hours * 3600;
    if (channel == kSimGps) {
        static constexpr std::uint32_t kSecondsPerUnit[] = {1, 60, 3600, 86400};
        c.step = static_cast<std::uint32_t>(image.fixInterval(c.season, c.cycle)) *
                 kSecondsPerUnit[image.fixUnits(c.season)];
    } else {
        c.step = static_cast<std::uint32_t>(image.transmitStep());
    }
}

void SimulationEngine::findCycle(int channel) {
    SimChannel& c = channels[channel];
    const SimDate& now = today();
    const int block = image.blockLength(channel, c.season);
    const int elapsed = now.dayNumber >= c.seasonStartDay ? now.dayNumber - c.seasonStartDay : 0;
    c.blockCount = static_cast<std::uint16_t>(elapsed / block);
    const int dayInBlock = elapsed % block + 1;
    const int timeOfDay = now.hour * 60 + now.minute;
    c.cycle = 0;
    for (int cycle = 2; cycle >= 1; --cycle) {
        const int day = image.cycleDay(channel, c.season, cycle);
        if (day == 0 || image.cycleHours(channel, c.season, cycle) == 0) continue;
        if (dayInBlock > day ||
            (dayInBlock == day && image.cycleStart(channel, c.season, cycle) <= timeOfDay)) {
            c.cycle = static_cast<std::uint8_t>(cycle);
            break;
        }
    }
    computeWindow(channel);
}

int SimulationEngine::nextCycle(int channel) {
    SimChannel& c = channels[channel];
    do {
        if (stopRequested()) return kSimStopped;
        if (++c.cycle > 2) {
            c.cycle = 0;
            ++c.blockCount;
        }
    } while (image.cycleDay(channel, c.season, c.cycle) == 0);
    computeWindow(channel);
    return kSimEvent;
}

void SimulationEngine::resetSeason(int channel) {
    SimChannel& c = channels[channel];
    c.blockCount = 0;
    c.cycle = 0;
    computeWindow(channel);
}

int SimulationEngine::stepChannel(int channel) {
    SimChannel& c = channels[channel];
    for (;;) {
        if (stopRequested()) return kSimStopped;
        if (c.current / kSecondsPerDay >= c.seasonEndDay) {
            if (const int done = advanceSeason(channel); done != kSimEvent) return done;
            resetSeason(channel);
            c.previous = c.current;
            c.current = c.windowStart;
        } else if (c.current >= c.windowEnd) {
            if (nextCycle(channel) == kSimStopped) return kSimStopped;
            c.previous = c.current;
            c.current = c.windowStart;
        } else if (c.current <= reference) {
            c.previous = c.current;
            c.current += c.step;
        } else {
            return kSimEvent;
        }
    }
}

int SimulationEngine::startChannel(int channel, std::uint32_t time) {
    SimChannel& c = channels[channel];
    c = SimChannel{};
    reference = time;
    // The leap-aware date search places the channel's season end, which is today at the start.
    c.seasonEndDay = today().dayNumber;
    if (image.dayOfYear(0) && findDateSeason(channel) == kSimStopped) return kSimStopped;
    if (image.nextCode(c.season) == kSimShutdown) return kSimEnded;  // a shutdown season is never run
    c.seasonEndDay = today().dayNumber;                              // a number-of-days season starts today
    if (seasonDays(channel, true) == kSimStopped) return kSimStopped;
    noteEntered(c);
    if (image.blockLength(channel, c.season) != 0) {
        findCycle(channel);
    } else {
        if (const int done = advanceSeason(channel); done != kSimEvent) return done;
        resetSeason(channel);
    }
    c.previous = c.current;
    c.current = c.windowStart;
    return stepChannel(channel);
}

int SimulationEngine::nextEvent(int channel, std::uint32_t time) {
    SimChannel& c = channels[channel];
    if (image.nextCode(c.season) == kSimShutdown) return kSimEnded;
    reference = time;
    c.previous = c.current;
    c.current += c.step;
    return stepChannel(channel);
}

std::uint32_t SimulationEngine::skipInWindow(int channel, std::uint64_t before) {
    SimChannel& c = channels[channel];
    if (c.step == 0) return 0;
    // An event needs its window open, its season not ended (a season that
    // never ends ends beyond the clock) and a time the clock can hold.
    const std::uint64_t seasonEnd = static_cast<std::uint64_t>(c.seasonEndDay) * kSecondsPerDay;
    const std::uint64_t bound =
        std::min({static_cast<std::uint64_t>(c.windowEnd), seasonEnd, before, std::uint64_t{1} << 32});
    if (bound <= static_cast<std::uint64_t>(c.current) + c.step) return 0;
    const auto n = static_cast<std::uint32_t>((bound - 1 - c.current) / c.step);
    c.current += n * c.step;
    c.previous = c.current - c.step;
    return n;
}

}  // namespace orv
