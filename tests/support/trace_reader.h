#pragma once

// A serial trace file read back into its entries, and the frames of one port
// and direction, for comparing with what crossed the line.

#include <sstream>
#include <string>
#include <vector>

#include "device/serial_trace_format.h"

namespace orv::test {

struct ReadTrace {
    std::vector<TraceEntry> entries;
    std::vector<std::string> unreadable;  // lines that are neither comments nor entries
};

inline ReadTrace readTrace(const std::string& text) {
    ReadTrace trace;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        TraceEntry entry;
        if (parseTraceEntry(line, entry)) {
            trace.entries.push_back(std::move(entry));
        } else if (!line.empty() && line[0] != '#') {
            trace.unreadable.push_back(line);
        }
    }
    return trace;
}

// The frames of one direction ("" port: every port).
inline std::vector<std::string> framesOf(const ReadTrace& trace, TraceDirection direction,
                                         const std::string& port = "") {
    std::vector<std::string> frames;
    for (const TraceEntry& e : trace.entries)
        if (e.direction == direction && (port.empty() || e.port == port)) frames.push_back(e.data);
    return frames;
}

// Every byte of one direction, in order.
inline std::string bytesOf(const ReadTrace& trace, TraceDirection direction, const std::string& port = "") {
    std::string bytes;
    for (const std::string& frame : framesOf(trace, direction, port)) bytes += frame;
    return bytes;
}

// The command texts of the frames sent: SOH and EOT taken off.
inline std::vector<std::string> commandsSent(const ReadTrace& trace, const std::string& port = "") {
    std::vector<std::string> commands;
    for (const std::string& frame : framesOf(trace, TraceDirection::Sent, port))
        if (frame.size() >= 2 && frame.front() == '\x01' && frame.back() == '\x04')
            commands.push_back(frame.substr(1, frame.size() - 2));
    return commands;
}

}  // namespace orv::test
