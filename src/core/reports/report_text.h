#pragma once

// The growing text buffer every report is built in: lines, each ended by a
// single line feed.

#include <cstddef>
#include <string>

namespace orv {

// A formatted line never reaches this size; a longer one is cut to one byte
// less, so that no line can grow the report without bound.
inline constexpr std::size_t kReportLineLimit = 10000;

// Formats one line (printf rules), appends it and a line feed to the buffer and
// returns the new length. The buffer keeps its capacity between reports: a new
// build clears it and writes from the start.
std::size_t appendReportLine(std::string& buffer, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// A report number shown as an integer: the value truncated toward zero, held in
// the int range (a value beyond it, or not a number, would have no defined
// integer).
int reportInt(double value);

}  // namespace orv
