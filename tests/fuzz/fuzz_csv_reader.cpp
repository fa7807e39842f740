// Any bytes as CSV: the reader must never crash, every record's line must lie
// inside the text, and what it reads, written again with either delimiter,
// must read back field for field.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/csv_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char delimiter = size > 0 && (data[0] & 1) != 0 ? ';' : ',';
    std::vector<orv::CsvRow> rows;
    orv::CsvProblem problem;
    if (!orv::parseCsv(text, delimiter, rows, problem)) {
        if (problem.line < 1) __builtin_trap();
        return 0;
    }
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    std::string written;
    for (const orv::CsvRow& row : rows) {
        if (row.line < 1 || row.line > lines || row.fields.empty()) __builtin_trap();
        written += orv::csvLine(row.fields, delimiter);
    }
    std::vector<orv::CsvRow> again;
    if (!orv::parseCsv(written, delimiter, again, problem)) __builtin_trap();
    // A record of one empty field is a blank line and is not read back.
    std::size_t next = 0;
    for (const orv::CsvRow& row : rows) {
        if (row.fields.size() == 1 && row.fields[0].empty()) continue;
        if (next >= again.size() || again[next++].fields != row.fields) __builtin_trap();
    }
    if (next != again.size()) __builtin_trap();
    return 0;
}
