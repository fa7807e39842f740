#pragma once

// Runs the schedule simulation off the GUI thread, one run wanted at a time:
// starting a run cancels the one still going, whose result is then dropped.
// The window stays responsive meanwhile; the result comes back on the GUI
// thread through finished().

#include <QObject>
#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <thread>

#include "model/record.h"
#include "sim/run_simulation.h"

namespace orv {

class SimulationRunner : public QObject {
    Q_OBJECT
public:
    explicit SimulationRunner(QObject* parent = nullptr);
    ~SimulationRunner() override;

    // Simulates a copy of the record from the deployment time, under the watchdog.
    void start(const ParameterRecord& record, std::uint32_t deployment);
    bool running() const { return latest != nullptr; }

    // The watchdog of later runs (tests shorten it).
    std::chrono::milliseconds watchdog = kSimulationWatchdog;

Q_SIGNALS:
    // The newest run ended; job.stopped when the watchdog stopped it.
    void finished(std::shared_ptr<const SimulationJob> job);

private:
    struct Run {
        ParameterRecord record;
        SimulationJob job;
        std::atomic<bool> cancel{false};
        std::thread thread;
    };
    void deliver(Run* run);

    std::list<std::unique_ptr<Run>> runs;  // every run whose thread is not joined yet
    Run* latest = nullptr;                 // the run whose result is wanted, until it is delivered
};

}  // namespace orv
