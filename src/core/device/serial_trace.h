#pragma once

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "device/serial_trace_format.h"

namespace orv {

class MessageLog;

// The first words of the line that opens each session of a trace file.
inline constexpr const char* kTraceSessionStart = "# Serial trace, session started ";

// A trace file for support: every frame sent to and received from collars,
// one line each (see serial_trace_format.h), written whole and flushed at
// once, so that lines from several ports never mix and a crash keeps what was
// written. Several lines (one per port) may write to one trace from their own
// threads. Times count from the first entry of the session.
class SerialTrace {
public:
    enum class Mode {
        Replace,  // a new file for this session
        Append,   // sessions follow one another in the file
    };

    // nullptr when the file cannot be opened; error then says why.
    static std::unique_ptr<SerialTrace> open(const std::string& path, Mode mode, std::string& error);
    ~SerialTrace();
    SerialTrace(const SerialTrace&) = delete;
    SerialTrace& operator=(const SerialTrace&) = delete;

    const std::string& path() const { return filePath; }

    // lineMs: the time on the line's clock; direction Event takes plain words.
    // After a line that could not be written whole (a full disk, a file size
    // limit) nothing more is written: the trace ends there, and says why below.
    void write(long long lineMs, const std::string& port, TraceDirection direction, const std::string& data);

    // Why the trace stopped being written, the first time it is asked after
    // that happened; "" otherwise (the trace is whole, or it was said already).
    std::string takeWriteFailure();

private:
    SerialTrace(std::FILE* file, std::string path);

    std::mutex lock;
    std::FILE* file;
    std::string filePath;
    std::optional<long long> sessionStartMs;
    std::string failure;
    bool failureTaken = false;
};

// Says once, as a warning, that the trace stopped being written and why.
// Nothing for no trace or a whole one. The device operation's own result is
// not the trace's business.
void reportTraceFailure(SerialTrace* trace, MessageLog& log);

}  // namespace orv
