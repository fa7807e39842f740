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

// One channel: the first event after the start, then each next one, listed
// up to the point limit and the end time and counted to the count's end.
int collectChannel(SimulationEngine& engine, int channel, const SimulationRun& run, std::size_t limit,
                   std::vector<std::uint32_t>& points, std::vector<std::uint8_t>* seasons,
                   DeploymentCount* count, const std::atomic<bool>& stop) {
    const std::uint64_t countEnd = count != nullptr ? count->end() : 0;
    bool listing = true;
    int done = engine.startChannel(channel, run.start);
    while (done == kSimEvent) {
        std::uint32_t time = engine.channel(channel).current;
        const int season = engine.channel(channel).season;
        if (listing) {
            points.push_back(time);
            if (seasons != nullptr) seasons->push_back(static_cast<std::uint8_t>(season + 1));
            // The point that passes the end time (or the limit) is the last one listed.
            listing = points.size() <= limit && time <= run.end;
        }
        if (time < countEnd) {
            count->add(channel, time, season);
            if (!listing) {
                // Past the list, the rest of a window is counted at once.
                const std::uint32_t step = engine.channel(channel).step;
                if (const std::uint32_t n = engine.skipInWindow(channel, countEnd); n > 0) {
                    count->addRun(channel, time + step, step, n, season);
                    time = engine.channel(channel).current;
                }
            }
        } else if (!listing) {
            return kSimEvent;
        }
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
    run.countDays = deploymentDays(start, record.general(GeneralRow::SimulationYears));
    run.fixTimeoutSeconds = record.general(GeneralRow::FixTimeout);
    run.beaconEnabled = record.general(GeneralRow::VHFBeaconEnabled) == 1.0;
    return 0;
}

int collectEvents(const SimulationRun& run, std::vector<std::uint32_t>& fixes,
                  std::vector<std::uint32_t>& transmissions, const std::atomic<bool>& stop,
                  std::vector<std::uint8_t>* fixSeasons, std::vector<std::uint8_t>* transmissionSeasons,
                  DeploymentCount* count) {
    SimulationEngine engine(run.image, run.rules, stop);
    fixes.clear();
    transmissions.clear();
    if (fixSeasons != nullptr) fixSeasons->clear();
    if (transmissionSeasons != nullptr) transmissionSeasons->clear();
    if (count != nullptr) {
        count->reset(run.start, run.countDays);
        count->fixTimeoutSeconds = run.fixTimeoutSeconds;
        count->beaconEnabled = run.beaconEnabled;
        engine.watchSeasonsBefore(static_cast<std::uint32_t>(count->end() / kSecondsPerDay));
    }
    const auto channel = [&](int which, std::size_t limit, std::vector<std::uint32_t>& points,
                             std::vector<std::uint8_t>* seasons) {
        const int result = collectChannel(engine, which, run, limit, points, seasons, count, stop);
        if (count != nullptr) count->seasonsEntered |= engine.channel(which).entered;
        return result;
    };
    if (run.gpsEnabled && channel(kSimGps, kFixPointLimit, fixes, fixSeasons) == kSimStopped)
        return kSimStopped;
    if (run.transmitterEnabled &&
        channel(kSimTransmitter, kTransmissionPointLimit, transmissions, transmissionSeasons) == kSimStopped)
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
    job.count = DeploymentCount{};
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
        const int result = collectEvents(run, job.fixes, job.transmissions, stop, &job.fixSeasons,
                                         &job.transmissionSeasons, &job.count);
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
