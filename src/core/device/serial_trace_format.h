#pragma once

#include <string>
#include <string_view>

namespace orv {

// One line of a serial trace: when, which port, which way, what.
//   "     1234 ms  /dev/ttyUSB0  TX  <SOH>R0001F000<EOT>"
// Printable characters stand for themselves (the collar's hexadecimal data
// stay as they travelled); control characters are named ("<SOH>", "<EOT>",
// "<CR>" ...); '<' and bytes above 0x7E are written "<xHH>". A line whose
// direction is "--" carries an event of the port (open, close, a failed
// write) in plain words. The port name and the event text are written in the
// same readable form, so no field can break a line. Lines starting with '#'
// are comments.
enum class TraceDirection { Sent, Received, Event };

struct TraceEntry {
    long long ms = 0;  // since the session start
    std::string port;
    TraceDirection direction = TraceDirection::Event;
    std::string data;  // the bytes of the frame, or the event text
};

// The readable form of the bytes, and back. fromTraceText: false on a name
// or "<xHH>" it does not know.
std::string traceText(std::string_view bytes);
bool fromTraceText(std::string_view text, std::string& bytes);

std::string formatTraceEntry(const TraceEntry& entry);
// false for a comment, a blank line or a line that is no trace entry.
bool parseTraceEntry(std::string_view line, TraceEntry& entry);

}  // namespace orv
