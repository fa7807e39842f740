#include "workflow/batch_manifest.h"

#include <map>
#include <sstream>

#include "app/text_helpers.h"
#include "workflow/main_rules.h"

namespace orv {
namespace {

constexpr std::string_view kBlanks = " \t\r";

// Fields split at commas; a field in double quotes may hold commas ("" is a quote).
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (auto& field : fields) field = trimmed(field, kBlanks);
    return fields;
}

std::string lineError(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

bool parseBatchManifest(const std::string& text, std::vector<BatchEntry>& entries, std::string& error) {
    entries.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    std::map<std::string, int> column;
    std::map<std::string, int> portLine;
    while (std::getline(in, line)) {
        ++number;
        if (trimmed(line, kBlanks).empty()) continue;
        const auto fields = csvFields(line);
        if (column.empty()) {
            for (std::size_t i = 0; i < fields.size(); ++i) column[fields[i]] = static_cast<int>(i);
            for (const char* needed : {"port", "job", "ctn"}) {
                if (!column.count(needed)) {
                    error = lineError(number, std::string("the header names no '") + needed +
                                                  "' column (port,job,ctn[,status])");
                    return false;
                }
            }
            continue;
        }
        auto field = [&](const char* name) -> std::string {
            const auto at = column.find(name);
            if (at == column.end() || at->second >= static_cast<int>(fields.size())) return "";
            return fields[static_cast<std::size_t>(at->second)];
        };
        BatchEntry entry{number, field("port"), field("job"), field("ctn"), field("status")};
        if (entry.status.empty()) entry.status = kStatusWorking;
        for (const auto& [name, value] :
             {std::pair{"port", entry.port}, {"job", entry.job}, {"ctn", entry.ctn}}) {
            if (value.empty()) {
                error = lineError(number, std::string("the '") + name + "' column is empty");
                return false;
            }
        }
        if (const auto seen = portLine.find(entry.port); seen != portLine.end()) {
            error = lineError(
                number, "port " + entry.port + " is already used on line " + std::to_string(seen->second));
            return false;
        }
        portLine[entry.port] = number;
        entries.push_back(entry);
    }
    if (column.empty()) {
        error = lineError(number + 1, "no header line (port,job,ctn[,status])");
        return false;
    }
    if (entries.empty()) {
        error = lineError(number + 1, "no collar in the manifest");
        return false;
    }
    return true;
}

}  // namespace orv
