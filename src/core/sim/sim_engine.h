#pragma once

// The collar's scheduler, replayed: for one channel (GPS fixes or
// transmissions) it finds the first event after a given time by walking the
// season chain, the duty-cycle blocks and the windows of their cycles.

#include <atomic>
#include <cstdint>

#include "sim/sim_date.h"
#include "sim/simulation_image.h"

namespace orv {

// How day-of-year seasons are placed in the calendar. The leap-aware rules
// count in day numbers from 1 January of the year and move by real year
// lengths; the classic rules count days of the year.
enum class SimRules { ClassicRules, LeapAwareRules };

// The firmware rows "DS 050505" (3) and "N4 050922" (15) schedule by the
// leap-aware rules, every other row by the classic ones.
SimRules rulesForFirmwareRow(int firmwareRow);

struct SimChannel {
    std::uint32_t step = 0;  // seconds between events inside a window
    std::uint32_t previous = 0;
    std::uint32_t current = 0;  // the candidate event time
    std::uint32_t windowStart = 0, windowEnd = 0;
    std::uint16_t seasonStartDay = 0, seasonEndDay = 0;  // day numbers; 0xFFFF: never ends
    std::uint16_t blockCount = 0;
    std::uint8_t previousSeason = 0, season = 0;  // 0..11
    std::uint8_t cycle = 0;                       // 0..2
    std::uint16_t entered = 0;  // bit s: season s + 1 entered before the watched day (watchSeasonsBefore)
};

// Results of the channel operations.
inline constexpr int kSimEvent = 0;    // current is the next event
inline constexpr int kSimEnded = 2;    // the channel's schedule has ended (shutdown)
inline constexpr int kSimStopped = 3;  // the stop request was seen

inline constexpr std::uint16_t kSimNeverEnds = 0xFFFF;

class SimulationEngine {
public:
    // stop is checked at every step of the searches, so that a schedule that
    // never yields an event (the collar would search for ever) can be stopped.
    SimulationEngine(const SimulationImage& image, SimRules rules, const std::atomic<bool>& stop)
        : image(image), rules(rules), stop(stop) {}

    int startChannel(int channel, std::uint32_t time);
    int nextEvent(int channel, std::uint32_t time);
    const SimChannel& channel(int channel) const { return channels[channel]; }

    // Steps over the events left in the current window before `before` at
    // once, landing where stepping event by event would: current becomes the
    // last of them. Returns how many there were (0: current stays).
    std::uint32_t skipInWindow(int channel, std::uint64_t before);
    // The channels note each season they enter that starts before this day number.
    void watchSeasonsBefore(std::uint32_t day) { watchedDay = day; }

    // The steps, in the collar's own terms.
    int chainNext(int season) const;
    int seasonDays(int channel, bool enteredByDateSearch);
    int findDateSeason(int channel);
    int advanceSeason(int channel);
    void computeWindow(int channel);
    void findCycle(int channel);
    int nextCycle(int channel);
    void resetSeason(int channel);
    int stepChannel(int channel);

private:
    bool stopRequested() const { return stop.load(std::memory_order_relaxed); }
    const SimDate& today();
    // The next day-of-year season along the chain after season; -1 when stopped.
    int nextDayOfYearSeason(int season) const;
    int classicSeasonDays(SimChannel& c);
    int leapAwareSeasonDays(SimChannel& c, bool enteredByDateSearch);
    int classicFindDateSeason(SimChannel& c);
    int leapAwareFindDateSeason(SimChannel& c);
    void noteEntered(SimChannel& c) const {
        if (c.seasonStartDay < watchedDay) c.entered = static_cast<std::uint16_t>(c.entered | 1u << c.season);
    }

    const SimulationImage& image;
    SimRules rules;
    const std::atomic<bool>& stop;
    SimChannel channels[2];
    std::uint32_t reference = 0;
    SimDate todayDate{};  // the date of the reference time, worked out when a search needs it
    std::uint32_t todayTime = 0;
    bool todayValid = false;
    std::uint32_t watchedDay = 0;
};

}  // namespace orv
