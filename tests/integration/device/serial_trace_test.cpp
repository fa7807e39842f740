// The serial trace: a short session (firmware query, then a read) traced on
// the in-memory collar line and through orvctl on a pseudo-terminal reads back
// as the very frames that crossed the line; without a trace nothing changes;
// a trace file that cannot be opened stops orvctl before any traffic.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "collar_fixture.h"
#include "collar_line.h"
#include "device/tracing_line.h"
#include "image/image_codec.h"
#include "run_process.h"
#include "temp_dir.h"
#include "trace_reader.h"
#include "workflow/device_jobs.h"

namespace orv::test {
namespace {

constexpr const char* kFirmware = "N4 040816";

// Keeps every byte that crossed it, each way, as the line beneath gave it.
class RecordingLine final : public ByteLine {
public:
    explicit RecordingLine(ByteLine& beneath) : line(beneath) {}
    std::string devicePath(int slot) const override { return line.devicePath(slot); }
    void setDevicePath(int slot, const std::string& path) override { line.setDevicePath(slot, path); }
    int open(int slot, int word, int baud) override { return line.open(slot, word, baud); }
    void close(int slot) override { line.close(slot); }
    bool isOpen(int slot) const override { return line.isOpen(slot); }
    bool hasHungUp(int slot) const override { return line.hasHungUp(slot); }
    int readByte(int slot) override {
        const int got = line.readByte(slot);
        if (got != -1 && line.isOpen(slot)) read += static_cast<char>(got);
        return got;
    }
    int writeByte(int slot, int byte) override {
        written += static_cast<char>(byte);
        return line.writeByte(slot, byte);
    }
    LineWait waitReadable(int slot, int ms) override { return line.waitReadable(slot, ms); }
    void clearRts(int slot) override { line.clearRts(slot); }
    long long nowMs() const override { return line.nowMs(); }
    void pause(int ms) override { line.pause(ms); }

    std::string written;
    std::string read;

private:
    ByteLine& line;
};

// The program side on the in-memory collar, with a trace line between the
// link and the recorded bytes.
struct TracedSession {
    explicit TracedSession(std::shared_ptr<SerialTrace> trace) : traced(recorded, std::move(trace)) {
        link.settings.portSlot = 0;
        link.settings.comTimeoutSeconds = 1;
        resetRecord(record);
        record.text(StringRow::FenmodFwVer) = kFirmware;
        varyRecord(record);
        selection.selectRow(findFirmware(kFirmware));
        MemoryImage image;
        if (buildImage(record, image, false) == ImageResult::Ok)
            line.collar().setMemory(emu::kLowSectorBase, image);
        resetRecord(record);
        record.text(StringRow::FenmodFwVer) = kFirmware;
    }

    // The firmware query and a read, then the port closed.
    void run() {
        firmwareResult = readFirmwareVersions(context, progress);
        readResult = readDeviceJob(context, progress, log, ReadMode::Load).result;
        link.endConnection(0);
    }

    static emu::CollarOptions collarOptions() {
        emu::CollarOptions options;
        options.firmware = kFirmware;
        options.baudRate = 9600;  // every character takes its time on the line's clock
        return options;
    }

    emu::CollarLine line{collarOptions()};
    RecordingLine recorded{line};
    TracingLine traced;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    TargetLink link{traced, log};
    ParameterRecord record;
    RecordFirmwareSelection selection{record};
    RecordingProgress progress;
    DeviceContext context{link, record, selection};
    std::optional<DeviceResult> firmwareResult;
    std::optional<DeviceResult> readResult;
};

std::shared_ptr<SerialTrace> openTrace(const std::string& path) {
    std::string error;
    std::shared_ptr<SerialTrace> trace = SerialTrace::open(path, SerialTrace::Mode::Replace, error);
    EXPECT_TRUE(trace) << error;
    return trace;
}

TEST(SerialTraceTest, AShortSessionReadsBackAsTheFramesThatCrossedTheLine) {
    TempDir folder;
    auto session = std::make_unique<TracedSession>(openTrace(folder.file("trace.txt")));
    session->run();
    ASSERT_EQ(session->firmwareResult, DeviceResult::Ok);
    ASSERT_EQ(session->readResult, DeviceResult::Ok);
    const std::string port = session->line.devicePath(0);
    const std::vector<std::string> commands = session->line.collar().commandLog();
    const std::string written = session->recorded.written;
    const std::string read = session->recorded.read;
    session.reset();  // the trace file closes with its last line

    const ReadTrace trace = readTrace(folder.read("trace.txt"));
    EXPECT_TRUE(trace.unreadable.empty()) << trace.unreadable.front();
    ASSERT_GE(trace.entries.size(), 4u);
    EXPECT_EQ(bytesOf(trace, TraceDirection::Sent), written);
    EXPECT_EQ(bytesOf(trace, TraceDirection::Received), read);
    // One frame a line: each starts with SOH and ends with EOT, and the collar got exactly these commands.
    for (const std::string& frame : framesOf(trace, TraceDirection::Received))
        EXPECT_TRUE(frame.front() == '\x01' && frame.back() == '\x04') << traceText(frame);
    EXPECT_EQ(commandsSent(trace), commands);
    EXPECT_EQ(framesOf(trace, TraceDirection::Sent).size(), commands.size());
    // Opened first, closed last, times from 0 on and never going back.
    EXPECT_EQ(trace.entries.front().ms, 0);
    EXPECT_EQ(trace.entries.front().direction, TraceDirection::Event);
    EXPECT_EQ(trace.entries.front().data.rfind("open, 9600 baud", 0), 0u) << trace.entries.front().data;
    EXPECT_EQ(trace.entries.back().data, "close");
    for (std::size_t i = 1; i < trace.entries.size(); ++i) {
        EXPECT_GE(trace.entries[i].ms, trace.entries[i - 1].ms);
        EXPECT_EQ(trace.entries[i].port, port);
    }
    // The times are those of the line: every character took 10 bits at 9600 baud, one way at a time.
    const long long lineMs = static_cast<long long>(written.size() + read.size()) * 10 * 1000 / 9600;
    EXPECT_GE(trace.entries.back().ms, lineMs * 9 / 10);
}

TEST(SerialTraceTest, TracingChangesNothingInTheSession) {
    TempDir folder;
    // The same session through a trace line without a trace, and traced.
    TracedSession untraced(nullptr);
    untraced.run();
    TracedSession traced(openTrace(folder.file("trace.txt")));
    traced.run();
    for (TracedSession* s : {&untraced, &traced}) {
        EXPECT_EQ(s->firmwareResult, DeviceResult::Ok);
        EXPECT_EQ(s->readResult, DeviceResult::Ok);
    }
    EXPECT_EQ(traced.line.collar().commandLog(), untraced.line.collar().commandLog());
    EXPECT_EQ(traced.recorded.read, untraced.recorded.read);
    EXPECT_EQ(traced.line.nowMs(), untraced.line.nowMs()) << "the same time on the line";
    EXPECT_EQ(traced.record.generalValues, untraced.record.generalValues);
    EXPECT_EQ(traced.record.seasonValues, untraced.record.seasonValues);
    EXPECT_EQ(traced.presenter.count(), untraced.presenter.count());
    EXPECT_EQ(traced.progress.positions, untraced.progress.positions);
}

class OrvctlTraceTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::CollarOptions options;
        options.firmware = kFirmware;
        collar = std::make_unique<emu::CollarEmulator>(options);
        ASSERT_TRUE(collar->start());
    }
    void TearDown() override { collar->stop(); }
    ProcessResult device(const std::string& operation, const std::string& traceFile) {
        return runOrvctl({"device", operation, "--port", collar->devicePath(), "--firmware", kFirmware,
                          "--timeout", "2", "--trace", traceFile},
                         folder.path().string());
    }

    TempDir folder;
    std::unique_ptr<emu::CollarEmulator> collar;
};

TEST_F(OrvctlTraceTest, FirmwareAndReadOverAPseudoTerminalReadBackAsTheFramesExchanged) {
    const auto firmware = device("firmware", "firmware.trace");
    ASSERT_EQ(firmware.status, 0) << firmware.err;
    const std::size_t firmwareCommands = collar->commandLog().size();
    const auto read = device("read", "read.trace");
    ASSERT_EQ(read.status, 0) << read.err;

    const ReadTrace first = readTrace(folder.read("firmware.trace"));
    const ReadTrace second = readTrace(folder.read("read.trace"));
    for (const ReadTrace* trace : {&first, &second}) {
        EXPECT_TRUE(trace->unreadable.empty());
        ASSERT_FALSE(trace->entries.empty());
        EXPECT_EQ(trace->entries.front().port, collar->devicePath());
        EXPECT_EQ(trace->entries.back().data, "close");
    }
    // Each file holds its own run, and together they are everything the collar heard and said.
    std::vector<std::string> commands = commandsSent(first);
    EXPECT_EQ(commands.size(), firmwareCommands);
    const std::vector<std::string> more = commandsSent(second);
    commands.insert(commands.end(), more.begin(), more.end());
    EXPECT_EQ(commands, collar->commandLog());
    EXPECT_EQ(static_cast<long long>(bytesOf(first, TraceDirection::Sent).size() +
                                     bytesOf(second, TraceDirection::Sent).size()),
              collar->charsReceived());
    EXPECT_EQ(static_cast<long long>(bytesOf(first, TraceDirection::Received).size() +
                                     bytesOf(second, TraceDirection::Received).size()),
              collar->charsSent());
    EXPECT_NE(first.entries.size(), 0u);
    EXPECT_EQ(commandsSent(first).at(1), "F") << "the probe, then the firmware query";
}

TEST_F(OrvctlTraceTest, ATraceFileThatCannotBeOpenedFailsBeforeAnyTraffic) {
    const auto result = device("read", folder.file("no-such-folder/read.trace"));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("--trace: cannot open the trace file"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("No such file or directory"), std::string::npos) << result.err;
    EXPECT_EQ(collar->commandCount(), 0);
    EXPECT_EQ(collar->charsReceived(), 0);
}

}  // namespace
}  // namespace orv::test
