#pragma once

// Running the schedule simulation: the events of both channels from the
// deployment date over the simulated years, on a worker thread guarded by a
// watchdog.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "model/record.h"
#include "sim/deployment_count.h"
#include "sim/sim_engine.h"

namespace orv {

class MessageLog;

inline constexpr std::size_t kFixPointLimit = 30000;               // at most 30,001 fixes are listed
inline constexpr std::size_t kTransmissionPointLimit = 200000;     // at most 200,001 transmissions
inline constexpr std::uint32_t kSimulationYearSeconds = 31536000;  // 365 days
inline constexpr std::chrono::milliseconds kSimulationWatchdog{2500};

struct SimulationJob {
    int firmwareRow = -1;                      // the main window's firmware selection; chooses the rule set
    std::uint32_t startTime = 0;               // the deployment date; the run starts at its 00:00 UTC
    std::vector<std::uint32_t> fixes;          // fix attempts, seconds since 1970 UTC
    std::vector<std::uint32_t> transmissions;  // transmissions
    // The season (1..12) each event was scheduled by, one entry per event.
    std::vector<std::uint8_t> fixSeasons;
    std::vector<std::uint8_t> transmissionSeasons;
    // Every event of the deployment period ("Simulation Years" x 365 days), for the budget.
    DeploymentCount count;
    std::chrono::milliseconds watchdog = kSimulationWatchdog;
    // Set by a caller that no longer wants the result (a newer run replaced it):
    // the run stops soon after, without the failure message.
    const std::atomic<bool>* cancel = nullptr;
    bool stopped = false;    // the watchdog (or the cancel) stopped the run; the lists hold what was found
    bool cancelled = false;  // it was the cancel
};

// What the worker needs from the record.
struct SimulationRun {
    SimulationImage image;
    SimRules rules = SimRules::ClassicRules;
    bool gpsEnabled = false;
    bool transmitterEnabled = false;
    std::uint32_t start = 0;
    std::int64_t end = 0;  // start + "Simulation Years" of 365 days
    int countDays = 0;     // the deployment period the budget counts
    double fixTimeoutSeconds = 0;
    bool beaconEnabled = false;
};

// The collar's clock counts seconds since 1970 in 32 bits: its last moment is
// 2106-02-07 06:28:15 UTC. A run whose simulated years end after it is refused.
inline constexpr std::int64_t kCollarClockEnd = 0xFFFFFFFFLL;
inline constexpr int kSimPastCollarClock = 20;  // runSimulation's refusal of such a run
// true when the run from start over years (of 365 days) ends after the clock's last moment.
bool endsAfterCollarClock(std::uint32_t start, double years);

// Midnight UTC of the day a time lies in.
constexpr std::uint32_t simulationStartOf(std::int64_t time) {
    return static_cast<std::uint32_t>(time - time % kSecondsPerDay);
}

// The run for a record: image, rules, enabled channels and end time.
int prepareSimulation(const ParameterRecord& record, int firmwareRow, std::uint32_t start,
                      SimulationRun& run);

// The worker's work: lists both channels' events until each ends, reaches its
// point limit or passes the end time. Checks stop between events (and inside
// every search), so the lists always hold whole entries. kSimStopped when stopped.
// The season lists, when given, receive each event's season (1..12). The
// count, when given, receives every event of the period the budget counts,
// listed or not: the channel goes on past its point limit without listing.
int collectEvents(const SimulationRun& run, std::vector<std::uint32_t>& fixes,
                  std::vector<std::uint32_t>& transmissions, const std::atomic<bool>& stop,
                  std::vector<std::uint8_t>* fixSeasons = nullptr,
                  std::vector<std::uint8_t>* transmissionSeasons = nullptr, DeploymentCount* count = nullptr);

// Builds the image, runs the worker (lists and count) and waits for it for up to the watchdog
// time; a run still busy then is stopped, the failure message shown and the
// points found so far kept. A cancelled run stops without the message.
// 0, or the image builder's failure code, or kSimPastCollarClock (after its
// message) for a run that would end after the collar's clock.
int runSimulation(const ParameterRecord& record, SimulationJob& job, MessageLog& log);

}  // namespace orv
