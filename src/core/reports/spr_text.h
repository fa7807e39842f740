#pragma once

// The software programming report: a fixed-layout text listing of one
// collar's configuration, built only from the record in memory.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/record.h"

namespace orv {

// The report's empty line: one space.
inline constexpr const char* kBlankLine = " ";

// Title suffixes the main window uses.
inline constexpr const char* kDeviceProgrammingTitle = "DEVICE PROGRAMMING REPORT";
inline constexpr const char* kCoordinatorSignoffTitle = "COORDINATOR SIGNOFF REPORT";

// Builds the report into text (cleared first, capacity kept) and returns its length.
std::size_t buildSprText(const ParameterRecord& record, const std::string& titleSuffix, std::string& text);

// The CTN a report names on its "CTN/Sequence #:" line (the archive tells by it
// whose files are there); nothing when the text has no such line.
std::optional<std::string> sprCtn(std::string_view text);

// The notes block: the note wrapped at 61 characters behind a 23-character lead,
// the first line opening and the last closing the quote.
std::vector<std::string> sprNoteLines(const std::string& notes);

// The twelve-season table at the end of the report, appended to text.
void appendSprSeasonTable(const ParameterRecord& record, std::string& text);

}  // namespace orv
