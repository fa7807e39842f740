// What the change summary before Write Device costs, against the emulated
// collar paced at 9600 baud, 7O1 (10 bits a character): one read of the
// configuration, today's write (program and verify), and the write with the
// collar read first and the changes and their impact worked out. The write
// with the summary should take no longer than a read and a write together;
// the ratio printed is (write with summary) / (read + write).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "paced_collar.h"
#include "workflow/write_sequence.h"

namespace {

// The user who looks at the changes and writes them at once.
class WritingView : public orv::WriteView {
public:
    bool confirmChanges(const orv::ChangeSummary& summary) override {
        shown = summary.differences.size();
        return true;
    }
    std::size_t shown = 0;
};

template <typename Step>
double seconds(Step&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void readWriteAndWriteWithSummary(benchmark::State& state) {
    orv::bench::PacedCollar paced("N4 040816");
    if (!paced.started) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    auto& context = paced.context;
    auto& progress = paced.progress;
    auto& record = paced.record;
    WritingView view;
    orv::WriteOptions withSummary;
    withSummary.showChanges = true;
    withSummary.now = std::time(nullptr);

    double read = 0;
    double write = 0;
    double summary = 0;
    bool failed = false;
    for (auto _ : state) {
        const double r =
            seconds([&] { failed |= orv::readConfiguration(context, progress) != orv::DeviceResult::Ok; });
        const double w =
            seconds([&] { failed |= orv::programConfiguration(context, progress) != orv::DeviceResult::Ok; });
        // Something to show: one value differs from what the collar now holds.
        record.general(orv::GeneralRow::ElevAngle) =
            record.general(orv::GeneralRow::ElevAngle) == 10 ? 15 : 10;
        const double s = seconds([&] {
            failed |= orv::runWrite(context, progress, view, withSummary).result != orv::DeviceResult::Ok;
        });
        read += r;
        write += w;
        summary += s;
        const double total = r + w + s;
        if (failed) {
            state.SkipWithError("a collar operation failed");
            return;
        }
        state.SetIterationTime(total);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_s"] = read / n;
    state.counters["write_s"] = write / n;
    state.counters["write_with_summary_s"] = summary / n;
    state.counters["ratio"] = summary / (read + write);
    std::printf(
        "N4 at 9600 7O1: read %.3f s, write %.3f s, write with summary %.3f s (%zu change shown); "
        "(write with summary) / (read + write) = %.3f (target <= 1)\n",
        read / n, write / n, summary / n, view.shown, summary / (read + write));
}

BENCHMARK(readWriteAndWriteWithSummary)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
