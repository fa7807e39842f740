// Program and verify an N4 configuration against the emulated collar, every
// character paced at 9600 baud, 7 data bits, odd parity, 1 stop bit (10 bits
// a character). The line itself needs characters x 10 / 9600 seconds; the
// figure to watch is the ratio of the measured time to that.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "app/message_log.h"
#include "collar_emulator.h"
#include "device/device_operations.h"
#include "device/serial_port.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"

namespace {

constexpr int kBaud = 9600;
constexpr int kBitsPerCharacter = 10;  // start, 7 data, parity, stop

// The progress window nobody looks at.
class QuietProgress : public orv::ProgressSink {
public:
    void setCaption(const std::string&) override {}
    void setLegend(const std::string&) override {}
    void setPosition(int) override {}
    bool aborted() override { return false; }
};

void programAndVerifyN4(benchmark::State& state) {
    orv::emu::CollarOptions options;
    options.firmware = "N4 040816";
    options.baudRate = kBaud;
    options.bitsPerChar = kBitsPerCharacter;
    orv::emu::CollarEmulator collar(options);
    if (!collar.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    orv::SerialPort port;
    port.setDevicePath(0, collar.devicePath());
    orv::MessageLog log;
    orv::TargetLink link(port, log);
    link.settings = orv::ComSettings{0, kBaud, 4, 0, 0, 0, 0, 90};
    orv::ParameterRecord record;
    orv::resetRecord(record);
    orv::RecordFirmwareSelection selection(record);
    selection.selectRow(orv::findFirmware("N4 040816"));
    orv::DeviceContext context{link, record, selection};
    QuietProgress progress;

    double measured = 0;
    double line = 0;
    for (auto _ : state) {
        const long long before = collar.charsReceived() + collar.charsSent();
        const auto start = std::chrono::steady_clock::now();
        const orv::DeviceResult rc = orv::programConfiguration(context, progress);
        const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (rc != orv::DeviceResult::Ok) {
            state.SkipWithError("programming failed");
            break;
        }
        const long long characters = collar.charsReceived() + collar.charsSent() - before;
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
