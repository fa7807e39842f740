// The Simulation tab's work: a change of the years or the deployment date on
// the typical 4-year schedule (simulation, budget, display list and a paint of
// the chart at the window's size), painting the worst case within the point
// limits (every event in view). The budget's own figures are in bench_budget.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/message_log.h"
#include "draw/draw_chart.h"
#include "sim/budget.h"
#include "sim/chart_display.h"
#include "sim/run_simulation.h"
#include "sim_cases.h"

namespace {

using namespace orv;
using namespace orv::bench;

// The chart's share of a 1200 x 860 window, and the same on a double-density screen.
constexpr int kChartWidth = 1165;
constexpr int kChartHeight = 440;

SimulationJob simulate(const ParameterRecord& record) {
    MessageLog log;
    SimulationJob job;
    job.startTime = deployment();
    runSimulation(record, job, log);
    return job;
}

void paint(QImage& image, const ChartDisplay& display) {
    QPainter painter(&image);
    DrawChart(painter, QRectF(0, 0, kChartWidth, kChartHeight), display, ChartColours{});
}

QImage chartImage(double ratio) {
    QImage image(QSize(kChartWidth, kChartHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

void BM_YearsOrDateChangeTypicalFourYears(benchmark::State& state) {
    const ParameterRecord record = typical();
    QImage image = chartImage(1);
    MessageLog log;
    for (auto _ : state) {
        SimulationJob job;
        job.startTime = deployment();
        runSimulation(record, job, log);
        const Budget budget = computeBudget(job, 4, EnergySettings{});
        SimulationChart chart(job.startTime);
        ChartDisplay display = chartDisplay(chart, job.fixes, true, job.transmissions, true);
        const auto battery = batteryLine(chart, budget, kChartGpsStrip);
        display.lines.insert(display.lines.end(), battery.begin(), battery.end());
        paint(image, display);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void paintWorstCase(benchmark::State& state, double ratio) {
    const SimulationJob job = simulate(worstCase());
    const SimulationChart chart(job.startTime);
    QImage image = chartImage(ratio);
    std::size_t marks = 0;
    for (auto _ : state) {
        const ChartDisplay display = chartDisplay(chart, job.fixes, true, job.transmissions, true);
        marks = display.lines.size();
        paint(image, display);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["lines"] = static_cast<double>(marks);
}

void BM_PaintWorstCase(benchmark::State& state) {
    paintWorstCase(state, 1);
}
void BM_PaintWorstCaseDoubleDensity(benchmark::State& state) {
    paintWorstCase(state, 2);
}

BENCHMARK(BM_YearsOrDateChangeTypicalFourYears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintWorstCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintWorstCaseDoubleDensity)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs a GUI application; no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
