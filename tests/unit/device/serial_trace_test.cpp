// The serial trace's text: every byte value survives the readable form, the
// control characters are named, and a line reads back as it was written; the
// trace line gathers bytes into frames and passes everything on unchanged.

#include "device/serial_trace.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/format_text.h"
#include "app/message_log.h"
#include "device/device_messages.h"
#include "device/serial_trace_format.h"
#include "device/tracing_line.h"
#include "file_size_limit.h"
#include "scripted_presenter.h"
#include "temp_dir.h"
#include "trace_reader.h"

namespace orv::test {
namespace {

TEST(SerialTraceFormat, EveryByteSurvivesTheReadableFormAndControlsAreNamed) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(fromTraceText(traceText(all), back));
    EXPECT_EQ(back, all);

    EXPECT_EQ(traceText("\x01R00BFC0000080\x04"), "<SOH>R00BFC0000080<EOT>");
    EXPECT_EQ(traceText(std::string("\r\n\x7f<>\xff\0", 7)), "<CR><LF><DEL><x3C>><xFF><NUL>");
    for (const char* bad : {"<SOH", "<XYZ>", "<x1G>", "<>"}) EXPECT_FALSE(fromTraceText(bad, back)) << bad;
}

TEST(SerialTraceFormat, LinesReadBackEvenWithBlanksInThePortOrTheFrame) {
    TraceEntry sent{1234, "/dev/my port", TraceDirection::Sent, std::string("\x01T  RX  \x04")};
    const std::string line = formatTraceEntry(sent);
    EXPECT_EQ(line, "     1234 ms  /dev/my port  TX  <SOH>T  RX  <EOT>");
    TraceEntry read;
    ASSERT_TRUE(parseTraceEntry(line, read));
    EXPECT_EQ(read.ms, 1234);
    EXPECT_EQ(read.port, "/dev/my port");
    EXPECT_EQ(read.direction, TraceDirection::Sent);
    EXPECT_EQ(read.data, sent.data);

    ASSERT_TRUE(parseTraceEntry("        0 ms  /dev/ttyUSB0  --  open, 9600 baud", read));
    EXPECT_EQ(read.direction, TraceDirection::Event);
    EXPECT_EQ(read.data, "open, 9600 baud");
    for (const char* notAnEntry :
         {"# Serial trace", "", "12 ms /dev/x RX <SOH>", "x ms  p  RX  a", "     5 ms  /dev/x  RX  <BAD>"})
        EXPECT_FALSE(parseTraceEntry(notAnEntry, read)) << notAnEntry;
}

// A line with one slot: what is written is kept, what is queued comes back.
class ScriptLine final : public ByteLine {
public:
    std::string devicePath(int) const override { return "/dev/script"; }
    void setDevicePath(int, const std::string&) override {}
    int open(int, int, int) override { return opened = true; }
    void close(int) override { opened = false; }
    bool isOpen(int) const override { return opened; }
    bool hasHungUp(int) const override { return false; }
    int readByte(int) override {
        if (!opened) return 0;
        if (incoming.empty()) return -1;
        const int b = incoming.front();
        incoming.pop_front();
        return b;
    }
    int writeByte(int, int byte) override {
        written += static_cast<char>(byte);
        return byte == 'Z' ? 0 : 1;  // 'Z' stands for a byte the port refuses
    }
    LineWait waitReadable(int, int) override { return LineWait::Ready; }
    void clearRts(int) override {}
    long long nowMs() const override { return clock; }
    void pause(int ms) override { clock += ms; }

    bool opened = false;
    std::deque<int> incoming;
    std::string written;
    long long clock = 500;
};

TEST(TracingLine, FramesEndAtEotOrWhenTheOtherSideSpeaksAndTimesCountFromTheFirstEntry) {
    TempDir folder;
    std::string error;
    std::shared_ptr<SerialTrace> trace =
        SerialTrace::open(folder.file("t.txt"), SerialTrace::Mode::Replace, error);
    ASSERT_TRUE(trace) << error;
    ScriptLine script;
    {
        TracingLine line(script, trace);
        ASSERT_EQ(line.open(0, 4, 9600), 1);
        for (const char c : std::string("\x01T\x04")) line.writeByte(0, c);
        script.pause(7);
        script.incoming = {1, '+', 4, 'n', 'o'};
        while (line.readByte(0) != -1) {
        }
        script.pause(3);
        line.writeByte(0, 1);
        EXPECT_EQ(line.writeByte(0, 'Z'), 0);
        line.writeByte(0, 4);
        line.close(0);
        EXPECT_EQ(line.readByte(0), 0);  // a closed slot: no byte crossed
        EXPECT_EQ(line.nowMs(), 510);
    }
    EXPECT_EQ(script.written, std::string("\x01T\x04\x01Z\x04"));
    trace.reset();
    std::ifstream in(folder.file("t.txt"));
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        if (l[0] != '#') lines.push_back(l);
    const std::vector<std::string> expected{
        "        0 ms  /dev/script  --  open, 9600 baud, settings word 0x04",
        "        0 ms  /dev/script  TX  <SOH>T<EOT>",
        "        7 ms  /dev/script  RX  <SOH>+<EOT>",
        "        7 ms  /dev/script  RX  no",
        "       10 ms  /dev/script  TX  <SOH>Z",
        "       10 ms  /dev/script  --  write of byte 0x5A failed",
        "       10 ms  /dev/script  TX  <EOT>",
        "       10 ms  /dev/script  --  close",
    };
    EXPECT_EQ(lines, expected);
}

// A port name is typed by a user: a line feed in it must not forge a line.
TEST(SerialTraceFormat, ControlCharactersInThePortAndTheEventAreNamedToo) {
    const std::string forged = "/dev/x\n        9 ms  /dev/ttyUSB0  RX  <SOH>+<EOT>";
    const TraceEntry entry{3, forged, TraceDirection::Event, "open failed:\rbad\x1b[2K"};
    const std::string line = formatTraceEntry(entry);
    EXPECT_EQ(line.find_first_of("\n\r\x1b"), std::string::npos) << line;
    EXPECT_EQ(line,
              "        3 ms  /dev/x<LF>        9 ms  /dev/ttyUSB0  RX  <x3C>SOH>+<x3C>EOT>  --  "
              "open failed:<CR>bad<ESC>[2K");
    const TraceEntry plain{3, "/dev/a\nb", TraceDirection::Event, "open failed:\rbad"};
    TraceEntry read;
    ASSERT_TRUE(parseTraceEntry(formatTraceEntry(plain), read));
    EXPECT_EQ(read.port, plain.port);
    EXPECT_EQ(read.data, plain.data);
}

// A file size limit stands for a full disk: the trace stops with its last
// whole line, says so once, and the caller's work goes on.
TEST(SerialTrace, ATraceThatCanNoLongerBeWrittenEndsWithAWholeLineAndSaysWhyOnce) {
    TempDir folder;
    std::string error;
    std::shared_ptr<SerialTrace> trace =
        SerialTrace::open(folder.file("t.txt"), SerialTrace::Mode::Replace, error);
    ASSERT_TRUE(trace) << error;
    const auto header = std::filesystem::file_size(folder.file("t.txt"));
    {
        const FileSizeLimit full(header + 130);
        for (int i = 0; i < 5; ++i)
            trace->write(i, "/dev/ttyUSB0", TraceDirection::Sent, std::string(40, 'A'));
    }
    trace->write(9, "/dev/ttyUSB0", TraceDirection::Sent, "after the limit");

    ScriptedPresenter presenter;
    MessageLog log(&presenter);
    reportTraceFailure(trace.get(), log);
    reportTraceFailure(trace.get(), log);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Warning);
    EXPECT_EQ(presenter.last().text,
              formatText(kTraceStoppedMessage, folder.file("t.txt").c_str(), "File too large"));

    trace.reset();
    std::ifstream in(folder.file("t.txt"));
    std::stringstream text;
    text << in.rdbuf();
    const ReadTrace lines = readTrace(text.str());
    EXPECT_TRUE(lines.unreadable.empty()) << text.str();
    EXPECT_EQ(lines.entries.size(), 1u) << text.str();
    EXPECT_EQ(text.str().back(), '\n');
}

TEST(SerialTrace, AFileThatCannotBeOpenedSaysWhy) {
    std::string error;
    EXPECT_EQ(SerialTrace::open("/no/such/folder/t.txt", SerialTrace::Mode::Append, error), nullptr);
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(SerialTrace::open("", SerialTrace::Mode::Replace, error), nullptr);
    EXPECT_EQ(error, "no file name");
    EXPECT_EQ(SerialTrace::open("/dev/full", SerialTrace::Mode::Replace, error), nullptr);
    EXPECT_EQ(error, "No space left on device");
}

}  // namespace
}  // namespace orv::test
