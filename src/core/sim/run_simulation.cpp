#include "sim/run_simulation.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "app/message_log.h"
#include "sim/sim_messages.h"

namespace orv {

namespace {

// One channel: the first event after the start, then each next one.
int collectChannel(SimulationEngine& engine, int channel, std::uint32_t start, std::int64_t end,
                   std::size_t limit, std::vector<std::uint32_t>& points, const std::atomic<bool>& stop,
                   std::vector<std::uint8_t>* seasons) {
    int done = engine.startChannel(channel, start);
    while (done == kSimEvent) {
        const std::uint32_t time = engine.channel(channel).current;
        points.push_back(time);
        if (seasons != nullptr)
            seasons->push_back(static_cast<std::uint8_t>(engine.channel(channel).season + 1));
        // The point that passes the end time (or the limit) is the last one listed.
        if (points.size() > limit || time > end) return kSimEvent;
        if (stop.load(std::memory_order_relaxed)) return kSimStopped;
        done = engine.nextEvent(channel, time);
    }
    return done == kSimStopped ? kSimStopped : kSimEvent;
}

std::int64_t simulationSpan(double years) {
    const double seconds = std::trunc(years * kSimulationYearSeconds);
    if (std::isnan(seconds)) return 0;
    return static_cast<std::int64_t>(std::fmax(-1e15, std::fmin(1e15, seconds)));
}

}  // namespace

bool endsAfterCollarClock(std::uint32_t start, double years) {
    return simulationStartOf(start) + simulationSpan(years) > kCollarClockEnd;
}

int prepareSimulation(const ParameterRecord& record, int firmwareRow, std::uint32_t start,
                      SimulationRun& run) {
    if (const int rc = buildSimulationImage(record, run.image); rc != 0) return rc;
    run.rules = rulesForFirmwareRow(firmwareRow);
    run.gpsEnabled = record.general(GeneralRow::GpsFixingEnabled) != 0.0;
    run.transmitterEnabled = record.general(GeneralRow::XmitnsEnabled) != 0.0;
    run.start = start;
    run.end = start + simulationSpan(record.general(GeneralRow::SimulationYears));
    return 0;
}

int collectEvents(const SimulationRun& run, std::vector<std::uint32_t>& fixes,
                  std::vector<std::uint32_t>& transmissions, const std::atomic<bool>& stop,
                  std::vector<std::uint8_t>* fixSeasons, std::vector<std::uint8_t>* transmissionSeasons) {
    SimulationEngine engine(run.image, run.rules, stop);
    fixes.clear();
    transmissions.clear();
    if (fixSeasons != nullptr) fixSeasons->clear();
    if (transmissionSeasons != nullptr) transmissionSeasons->clear();
    if (run.gpsEnabled && collectChannel(engine, kSimGps, run.start, run.end, kFixPointLimit, fixes, stop,
                                         fixSeasons) == kSimStopped)
        return kSimStopped;
    if (run.transmitterEnabled &&
        collectChannel(engine, kSimTransmitter, run.start, run.end, kTransmissionPointLimit, transmissions,
                       stop, transmissionSeasons) == kSimStopped)
        return kSimStopped;
    return kSimEvent;
}

int runSimulation(const ParameterRecord& record, SimulationJob& job, MessageLog& log) {
    job.startTime = simulationStartOf(job.startTime);
    job.stopped = false;
    job.cancelled = false;
    job.fixes.clear();
    job.transmissions.clear();
    job.fixSeasons.clear();
    job.transmissionSeasons.clear();
    if (const double years = record.general(GeneralRow::SimulationYears);
        endsAfterCollarClock(job.startTime, years)) {
        log.error("%s", pastCollarClockMessage(years).c_str());
        return kSimPastCollarClock;
    }
    SimulationRun run;
    if (const int rc = prepareSimulation(record, job.firmwareRow, job.startTime, run); rc != 0) return rc;

    // The worker fills the job's lists; this thread reads them only after it has ended.
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finishedSignal;
    bool finished = false;
    int outcome = kSimEvent;
    const auto work = [&] {
        const int result =
            collectEvents(run, job.fixes, job.transmissions, stop, &job.fixSeasons, &job.transmissionSeasons);
        const std::lock_guard lock(mutex);
        outcome = result;
        finished = true;
        finishedSignal.notify_all();
    };
    std::thread worker;
    try {
        worker = std::thread(work);
    } catch (const std::system_error&) {
        outcome = kSimStopped;  // no worker: nothing was calculated, and the run counts as failed
    }
    if (worker.joinable()) {
        // The wait looks at the cancel now and then; without one it is a single wait.
        constexpr std::chrono::milliseconds kCancelPoll{10};
        const auto deadline = std::chrono::steady_clock::now() + job.watchdog;
        {
            std::unique_lock lock(mutex);
            while (!finished) {
                if (job.cancel != nullptr && job.cancel->load()) {
                    job.cancelled = true;
                    break;
                }
                const auto now = std::chrono::steady_clock::now();
                if (now >= deadline) break;
                const auto slice = job.cancel != nullptr ? std::min<std::chrono::steady_clock::duration>(
                                                               deadline - now, kCancelPoll)
                                                         : deadline - now;
                finishedSignal.wait_for(lock, slice, [&] { return finished; });
            }
            if (!finished) stop.store(true, std::memory_order_relaxed);
        }
        worker.join();
    }
    if (outcome == kSimStopped) {
        job.stopped = true;
        if (!job.cancelled) log.error("%s", kSimulationFailedMessage);
    }
    return 0;
}

}  // namespace orv
