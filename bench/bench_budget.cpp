// The battery and event budget as the Simulation tab gets it: the run on the
// simulation worker (lists for the chart and the count of every event of the
// deployment), then the budget worked out from the count on the GUI thread.
// A typical 4-year schedule, and the worst case of ten years of a fix every
// minute all day with hourly transmissions (5.3 million fix attempts).

#include <benchmark/benchmark.h>

#include "app/message_log.h"
#include "sim/budget.h"
#include "sim/run_simulation.h"
#include "sim_cases.h"

namespace {

using namespace orv;
using namespace orv::bench;

// The whole answer: the worker's run and the budget.
void runAndBudget(benchmark::State& state, const ParameterRecord& record) {
    MessageLog log;
    SimulationJob job;
    Budget budget;
    for (auto _ : state) {
        job.startTime = deployment();
        runSimulation(record, job, log);
        budget = computeBudget(job, record.general(GeneralRow::SimulationYears), EnergySettings{});
        benchmark::DoNotOptimize(budget.chargeMas);
    }
    if (budget.partial) state.SkipWithError("the watchdog stopped the run");
    state.counters["attempts"] = static_cast<double>(budget.fixes);
    state.counters["transmissions"] = static_cast<double>(budget.transmissions);
}

// Only the GUI thread's part: the figures from a finished run's count (what an
// edit of an assumption on the panel costs).
void budgetOnly(benchmark::State& state, const ParameterRecord& record) {
    MessageLog log;
    SimulationJob job;
    job.startTime = deployment();
    runSimulation(record, job, log);
    for (auto _ : state) {
        const Budget budget =
            computeBudget(job, record.general(GeneralRow::SimulationYears), EnergySettings{});
        benchmark::DoNotOptimize(budget.chargeMas);
    }
}

void BM_BudgetTypicalFourYears(benchmark::State& state) {
    runAndBudget(state, typical());
}
void BM_BudgetFixEveryMinuteTenYears(benchmark::State& state) {
    runAndBudget(state, fixEveryMinuteTenYears());
}
void BM_BudgetFiguresOnlyTypicalFourYears(benchmark::State& state) {
    budgetOnly(state, typical());
}
void BM_BudgetFiguresOnlyFixEveryMinuteTenYears(benchmark::State& state) {
    budgetOnly(state, fixEveryMinuteTenYears());
}

BENCHMARK(BM_BudgetTypicalFourYears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BudgetFixEveryMinuteTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BudgetFiguresOnlyTypicalFourYears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BudgetFiguresOnlyFixEveryMinuteTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
