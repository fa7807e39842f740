#include "simulation_runner.h"

#include <system_error>

#include "app/message_log.h"
#include "image/firmware_table.h"

namespace orv {

SimulationRunner::SimulationRunner(QObject* parent) : QObject(parent) {}

SimulationRunner::~SimulationRunner() {
    for (const auto& run : runs) run->cancel = true;
    for (const auto& run : runs)
        if (run->thread.joinable()) run->thread.join();
}

void SimulationRunner::start(const ParameterRecord& record, std::uint32_t deployment) {
    if (latest != nullptr) latest->cancel = true;
    auto run = std::make_unique<Run>();
    run->record = record;
    run->job.firmwareRow = findFirmware(record.text(StringRow::FenmodFwVer));
    run->job.startTime = deployment;
    run->job.watchdog = watchdog;
    run->job.cancel = &run->cancel;
    Run* raw = run.get();
    runs.push_back(std::move(run));
    latest = raw;
    const auto work = [this, raw] {
        // The failure message is the GUI thread's to show, for the newest run only.
        MessageLog quiet;
        runSimulation(raw->record, raw->job, quiet);
        QMetaObject::invokeMethod(
            this, [this, raw] { deliver(raw); }, Qt::QueuedConnection);
    };
    try {
        raw->thread = std::thread(work);
    } catch (const std::system_error&) {
        work();  // no thread to be had: the run takes its turn here
    }
}

void SimulationRunner::deliver(Run* run) {
    for (auto it = runs.begin(); it != runs.end(); ++it) {
        if (it->get() != run) continue;
        if (run->thread.joinable()) run->thread.join();
        const bool wanted = run == latest && !run->job.cancelled;
        std::unique_ptr<Run> owned = std::move(*it);
        runs.erase(it);
        if (!wanted) return;
        latest = nullptr;
        auto job = std::make_shared<SimulationJob>(std::move(owned->job));
        job->cancel = nullptr;
        Q_EMIT finished(std::move(job));
        return;
    }
}

}  // namespace orv
