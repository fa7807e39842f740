#include "app/csv_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace orv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool plainNumber(std::string_view cell) {
    const std::string text(cell);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && errno == 0 && std::isfinite(value) &&
           text.find_first_of("xXpPnN") == std::string::npos;  // no hex floats, no "nan"
}

}  // namespace

bool parseCsv(std::string_view text, char delimiter, std::vector<CsvRow>& rows, CsvProblem& problem) {
    rows.clear();
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    int line = 1;
    CsvRow row{line, {std::string()}};
    bool quoted = false;        // inside a quoted field
    bool fieldStarted = false;  // the field has had a character (or its opening quote)
    bool anyQuote = false;      // the record had a quoted field (so it is not blank)
    int quoteLine = 0;
    const auto endRecord = [&] {
        const bool blank = row.fields.size() == 1 && row.fields[0].empty() && !anyQuote;
        if (!blank) rows.push_back(std::move(row));
        row = CsvRow{line, {std::string()}};
        fieldStarted = anyQuote = false;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                row.fields.back() += '"';
                ++at;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                row.fields.back() += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = anyQuote = fieldStarted = true;
            quoteLine = line;
        } else if (c == delimiter) {
            row.fields.emplace_back();
            fieldStarted = false;
        } else if (c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
            if (c == '\r') ++at;
            ++line;
            endRecord();
        } else {
            row.fields.back() += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        problem = {quoteLine, "a quoted field is not closed"};
        return false;
    }
    endRecord();
    return true;
}

std::string spreadsheetSafe(std::string_view cell) {
    if (cell.empty() || std::string_view("=+-@\t\r'").find(cell.front()) == std::string_view::npos)
        return std::string(cell);
    if (cell.front() != '\'' && plainNumber(cell)) return std::string(cell);
    return "'" + std::string(cell);
}

std::string fromSpreadsheetSafe(std::string_view cell) {
    return std::string(!cell.empty() && cell.front() == '\'' ? cell.substr(1) : cell);
}

std::string csvLine(const std::vector<std::string>& fields, char delimiter) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += delimiter;
        const std::string& field = fields[i];
        const bool quote = field.find_first_of(std::string("\"\r\n") + delimiter) != std::string::npos ||
                           (!field.empty() && (field.front() == ' ' || field.back() == ' ')) ||
                           // A field that starts with a byte-order mark is quoted, so that at the start
                           // of a file the mark is read back as the field's and not skipped.
                           field.rfind("\xEF\xBB\xBF", 0) == 0;
        if (!quote) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace orv
