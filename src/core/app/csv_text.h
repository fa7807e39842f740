#pragma once

// CSV as RFC 4180 has it, as spreadsheets write and read it: fields apart by a
// delimiter (a comma, or the semicolon of locales whose decimal mark is the
// comma), a field in double quotes may hold the delimiter, line ends and
// quotes (doubled), records end with CR LF or LF, UTF-8 with or without the
// byte-order mark a spreadsheet puts first.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct CsvRow {
    int line = 0;  // where the record starts in the text, from 1
    std::vector<std::string> fields;
};

struct CsvProblem {
    int line = 0;
    std::string what;
};

// Every record of the text; blank lines are skipped. Lenient where files in
// the wild are: a quote inside an unquoted field, or text after a closing
// quote, is taken as it stands. false only for a quoted field that never ends.
bool parseCsv(std::string_view text, char delimiter, std::vector<CsvRow>& rows, CsvProblem& problem);

// A cell a spreadsheet would take for a formula (it starts with =, +, -, @, a
// tab or a carriage return and is no plain number), or that starts with the
// apostrophe a spreadsheet hides, with a leading apostrophe, so that it is
// shown as the text it is; any other cell as it is.
std::string spreadsheetSafe(std::string_view cell);

// The cell spreadsheetSafe was given: a leading apostrophe comes off again.
std::string fromSpreadsheetSafe(std::string_view cell);

// One record: each field quoted when it holds the delimiter, a quote or a line
// end, or starts or ends with a blank; ended by CR LF.
std::string csvLine(const std::vector<std::string>& fields, char delimiter);

}  // namespace orv
