#include "device/serial_trace.h"

#include <cerrno>
#include <cstring>
#include <ctime>

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
    std::fflush(file);
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
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
}

}  // namespace orv
