#pragma once

// The printed programming report as data: its groups of label-value lines in
// order, each line present only when the record calls for it. The page code
// only places them; what is printed is decided here.

#include <string>
#include <vector>

#include "model/record.h"

namespace orv {

inline constexpr const char* kPrintedSprHeader = "* * Halvorn, Inc. Software Programming Report * *";
inline constexpr const char* kPrintedSimulationHeader = "* * Halvorn, Inc. Schedule Simulation Report * *";
inline constexpr const char* kPrintedVersion = "3.07.0004";
// "Halvorn Orv - Vosk v3.07.0004", the line under the header.
std::string printedApplicationTitle();
// The print job's name, for both reports.
inline constexpr const char* kPrintJobName = "GPS Software Parameter Report";

struct PrintedLine {
    enum class Kind {
        Entry,     // label at the column's left, value right-aligned, unit after it
        Text,      // a text on its own from the column's left
        BeepNote,  // a text followed by the small picture of the beep pattern 1100
    };
    Kind kind = Kind::Entry;
    std::string label;
    std::string value;
    std::string unit;
    bool leader = false;     // a dotted leader from the label to the value
    bool boldLabel = false;  // identity labels are bold
};

struct PrintedGroup {
    std::string heading;  // "" for the identity lines at the top
    std::vector<PrintedLine> lines;
};

// Every group of the body, in order, with the lines the record's values call for.
std::vector<PrintedGroup> printedSprGroups(const ParameterRecord& record);

// The identity lines and the firmware and notes groups: the top of both reports.
std::vector<PrintedGroup> printedIdentityGroups(const ParameterRecord& record);

// "Warning!  This device must be initialized in %d, ..." for the spread-spectrum
// transceiver, else "".
std::string printedSeasonWarning(const ParameterRecord& record);

// Where the body is split into two columns: the groups before the returned index
// go left. Groups stay whole and the left column is never the shorter one.
std::size_t printedColumnSplit(const std::vector<PrintedGroup>& groups);

// A group's height in lines: a heading, its lines and the blank line before
// every group but the first.
std::size_t printedGroupLines(const PrintedGroup& group, bool first);

}  // namespace orv
