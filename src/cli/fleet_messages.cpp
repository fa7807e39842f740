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

}  // namespace orv::clitext
