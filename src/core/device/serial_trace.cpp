#include "device/serial_trace.h"

#include <stdio_ext.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "app/message_log.h"
#include "device/device_messages.h"

namespace orv {

std::unique_ptr<SerialTrace> SerialTrace::open(const std::string& path, Mode mode, std::string& error) {
    std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), mode == Mode::Append ? "a" : "w");
    if (file == nullptr) {
        error = path.empty() ? "no file name" : std::strerror(errno);
        return nullptr;
    }
    auto trace = std::unique_ptr<SerialTrace>(new SerialTrace(file, path));
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S UTC", &utc);
    std::fprintf(file,
                 "%s%s\n"
                 "# time since the session start, port, TX to the collar / RX from it / -- event, frame\n",
                 kTraceSessionStart, stamp);
    if (std::fflush(file) != 0 || std::ferror(file)) {
        error = std::strerror(errno);
        return nullptr;
    }
    return trace;
}

SerialTrace::SerialTrace(std::FILE* openFile, std::string path) : file(openFile), filePath(std::move(path)) {}

SerialTrace::~SerialTrace() {
    std::fclose(file);
}

void SerialTrace::write(long long lineMs, const std::string& port, TraceDirection direction,
                        const std::string& data) {
    std::lock_guard guard(lock);
    if (!sessionStartMs) sessionStartMs = lineMs;
    TraceEntry entry;
    entry.ms = lineMs - *sessionStartMs;
    entry.port = port;
    entry.direction = direction;
    entry.data = data;
    std::string line = formatTraceEntry(entry);
    line += '\n';
    if (!failure.empty()) return;
    const long end = std::ftell(file);
    errno = 0;
    const bool whole = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    if (std::fflush(file) == 0 && whole) return;
    failure = std::strerror(errno != 0 ? errno : EIO);
    // What is still buffered is dropped, and the piece of the line that went
    // out is taken back: the trace ends with a whole line.
    __fpurge(file);
    std::clearerr(file);
    if (end >= 0 && ::ftruncate(::fileno(file), end) == 0) std::fseek(file, end, SEEK_SET);
}

std::string SerialTrace::takeWriteFailure() {
    std::lock_guard guard(lock);
    if (failure.empty() || failureTaken) return {};
    failureTaken = true;
    return failure;
}

void reportTraceFailure(SerialTrace* trace, MessageLog& log) {
    if (trace == nullptr) return;
    const std::string why = trace->takeWriteFailure();
    if (!why.empty()) log.warning(kTraceStoppedMessage, trace->path().c_str(), why.c_str());
}

}  // namespace orv
