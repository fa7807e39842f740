#include "fleet_messages.h"

#include "app/format_text.h"

namespace orv::clitext {

std::string jsonProblem(const std::string& path, int line, const std::string& key, const std::string& what) {
    if (key.empty()) return formatText("%s: line %d: %s", path.c_str(), line, what.c_str());
    return formatText("%s: line %d: %s: %s", path.c_str(), line, key.c_str(), what.c_str());
}

std::string exportFormatUnknown(const std::string& format) {
    return formatText("--format '%s' is not known to 'export' (json)", format.c_str());
}

std::string cannotRead(const std::string& path) {
    return formatText("cannot read '%s'", path.c_str());
}

std::string dbExportFormatUnknown(const std::string& format) {
    return formatText("'db export' needs --format csv, not '%s'", format.c_str());
}

std::string delimiterUnusable(const std::string& delimiter) {
    return formatText("--delimiter '%s' is not one character other than a quote or a line end",
                      delimiter.c_str());
}

std::string unknownColumnKey(const std::string& key) {
    return formatText("--columns: '%s' names no parameter (KEY, KEY[S] or KEY[*])", key.c_str());
}

std::string cellNotTaken(const std::string& column, const std::string& text) {
    return formatText("column '%s': '%s' was not taken", column.c_str(), text.c_str());
}

std::string samePttIdCode(const std::string& column, const std::string& text, int line) {
    return formatText("%s '%s' is the PTT ID code of line %d", column.c_str(), text.c_str(), line);
}

std::string nextCollarsPrompt(const std::string& ports) {
    return formatText("Connect the next collars (ports %s) and press Enter", ports.c_str());
}

std::string linesNotProgrammed(std::size_t lines) {
    return formatText("no terminal to wait on for the next collars: %zu line(s) not programmed", lines);
}

std::string linesNotChecked(std::size_t lines) {
    return formatText("no terminal to wait on for the next collars: %zu line(s) not checked", lines);
}

std::string differenceCount(std::size_t count) {
    return count == 1 ? "1 difference" : formatText("%zu differences", count);
}

std::string fleetCheckLine(int line, const std::string& port, const std::string& job, const std::string& ctn,
                           const std::string& what) {
    return formatText("line %d, port %s, Job '%s', CTN '%s': %s", line, port.c_str(), job.c_str(),
                      ctn.c_str(), what.c_str());
}

std::string resultsProblem(const std::string& path, const std::string& problem) {
    return formatText("%s: %s", path.c_str(), problem.c_str());
}

std::string resultsNotWritten(const std::string& path) {
    return formatText("%s: the results file could not be written", path.c_str());
}

}  // namespace orv::clitext
