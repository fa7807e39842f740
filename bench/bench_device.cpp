// Program and verify an N4 configuration against the emulated collar, every
// character paced at 9600 baud, 7 data bits, odd parity, 1 stop bit (10 bits
// a character). The line itself needs characters x 10 / 9600 seconds; the
// figure to watch is the ratio of the measured time to that.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "paced_collar.h"

namespace {

using orv::bench::kBaud;
using orv::bench::kBitsPerCharacter;

void programAndVerifyN4(benchmark::State& state) {
    orv::bench::PacedCollar paced("N4 040816");
    if (!paced.started) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    auto& context = paced.context;
    auto& progress = paced.progress;

    double measured = 0;
    double line = 0;
    for (auto _ : state) {
        const long long before = paced.characters();
        const auto start = std::chrono::steady_clock::now();
        const orv::DeviceResult rc = orv::programConfiguration(context, progress);
        const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (rc != orv::DeviceResult::Ok) {
            state.SkipWithError("programming failed");
            break;
        }
        const long long characters = paced.characters() - before;
        state.SetIterationTime(elapsed);
        measured += elapsed;
        line += static_cast<double>(characters) * kBitsPerCharacter / kBaud;
        state.counters["characters"] = static_cast<double>(characters);
    }
    if (line > 0) {
        state.counters["measured_s"] = measured / static_cast<double>(state.iterations());
        state.counters["line_s"] = line / static_cast<double>(state.iterations());
        state.counters["ratio"] = measured / line;
        std::printf(
            "N4 program-and-verify at 9600 7O1: measured %.3f s, line %.3f s, ratio %.3f (target <= 1.15)\n",
            measured / static_cast<double>(state.iterations()),
            line / static_cast<double>(state.iterations()), measured / line);
    }
}

BENCHMARK(programAndVerifyN4)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
