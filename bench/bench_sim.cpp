// The schedule simulation, as the simulation page waits for it: image, worker
// thread and both channels. The worst case within the point limits (a
// transmission and a fix every second of every day over 8 years, so both lists
// fill to their limits) must stay far inside the 2.5 s watchdog; a typical
// 4-year schedule for comparison.

#include <benchmark/benchmark.h>

#include "app/message_log.h"
#include "sim/run_simulation.h"
#include "sim_cases.h"

namespace {

using namespace orv;
using namespace orv::bench;

void runCase(benchmark::State& state, const ParameterRecord& record) {
    MessageLog log;
    SimulationJob job;
    for (auto _ : state) {
        job.startTime = deployment();
        runSimulation(record, job, log);
        benchmark::DoNotOptimize(job.transmissions.data());
    }
    if (job.stopped) state.SkipWithError("the watchdog stopped the run");
    state.counters["fixes"] = static_cast<double>(job.fixes.size());
    state.counters["transmissions"] = static_cast<double>(job.transmissions.size());
}

void BM_SimulationWorstCase(benchmark::State& state) {
    runCase(state, worstCase());
}
void BM_SimulationTypicalFourYears(benchmark::State& state) {
    runCase(state, typical());
}

BENCHMARK(BM_SimulationWorstCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SimulationTypicalFourYears)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
