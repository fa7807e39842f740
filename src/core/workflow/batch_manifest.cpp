#include "workflow/batch_manifest.h"

#include <map>

#include "app/csv_text.h"
#include "app/format_text.h"
#include "app/text_helpers.h"
#include "workflow/main_rules.h"

namespace orv {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string lineError(int line, const std::string& what) {
    return formatText("line %d: %s", line, what.c_str());
}

// The header's delimiter: a semicolon when the first line has one and no comma.
char delimiterOf(const std::string& text) {
    const std::string first = text.substr(0, text.find('\n'));
    return first.find(',') == std::string::npos && first.find(';') != std::string::npos ? ';' : ',';
}

// The parameter key of a PTT ID column: two lines with one text there would
// give two collars one identity.
bool isPttIdColumn(const ManifestColumn& column) {
    return column.key.table == DefinitionTable::General && column.key.row == GeneralRow::PttIdCode;
}

}  // namespace

bool parseBatchManifest(const std::string& text, BatchManifest& manifest,
                        std::vector<std::string>& problems) {
    manifest = {};
    problems.clear();
    std::vector<CsvRow> rows;
    CsvProblem csvProblem;
    if (!parseCsv(text, delimiterOf(text), rows, csvProblem)) {
        problems.push_back(lineError(csvProblem.line, csvProblem.what));
        return false;
    }
    if (rows.empty()) {
        problems.push_back(lineError(1, "no header line (port,job,ctn[,status][,KEY...])"));
        return false;
    }
    const CsvRow& header = rows.front();
    std::map<std::string, std::size_t> fixed;
    std::vector<std::size_t> parameterField;  // the field of each parameter column
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name(trimmed(header.fields[i], kBlanks));
        if (name == "port" || name == "job" || name == "ctn" || name == "status") {
            fixed[name] = i;
        } else if (const auto key = parseParameterKey(name)) {
            manifest.columns.push_back({name, *key});
            parameterField.push_back(i);
        } else {
            problems.push_back(lineError(header.line, "the column '" + name + "' names no parameter"));
        }
    }
    for (const char* needed : {"port", "job", "ctn"}) {
        if (!fixed.count(needed))
            problems.push_back(lineError(header.line, std::string("the header names no '") + needed +
                                                          "' column (port,job,ctn[,status])"));
    }
    if (!problems.empty()) return false;

    std::map<std::string, int> portUses;
    std::map<std::string, std::size_t> ctnEntry;  // the first entry of each CTN
    std::map<std::string, int> pttIdLine;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        const auto field = [&](std::size_t i) {
            return i < row.fields.size() ? std::string(trimmed(row.fields[i], kBlanks)) : std::string();
        };
        if (row.fields.size() > header.fields.size()) {
            problems.push_back(lineError(row.line, formatText("%zu fields, the header names %zu",
                                                              row.fields.size(), header.fields.size())));
            continue;
        }
        BatchEntry entry{row.line,
                         field(fixed["port"]),
                         field(fixed["job"]),
                         field(fixed["ctn"]),
                         fixed.count("status") ? field(fixed["status"]) : "",
                         {},
                         0};
        if (entry.status.empty()) entry.status = kStatusWorking;
        for (const std::size_t i : parameterField) entry.cells.push_back(field(i));
        bool whole = true;
        for (const auto& [name, value] :
             {std::pair{"port", entry.port}, {"job", entry.job}, {"ctn", entry.ctn}}) {
            if (value.empty()) {
                problems.push_back(lineError(row.line, std::string("the '") + name + "' column is empty"));
                whole = false;
            }
        }
        if (!whole) continue;
        if (const auto seen = ctnEntry.find(entry.ctn); seen != ctnEntry.end()) {
            const BatchEntry& earlier = manifest.entries[seen->second];
            problems.push_back(
                lineError(row.line, earlier.job == entry.job
                                        ? formatText("Job '%s', CTN '%s' is already on line %d",
                                                     entry.job.c_str(), entry.ctn.c_str(), earlier.line)
                                        : formatText("CTN '%s' is already on line %d (Job '%s')",
                                                     entry.ctn.c_str(), earlier.line, earlier.job.c_str())));
        }
        for (std::size_t c = 0; c < manifest.columns.size(); ++c) {
            if (!isPttIdColumn(manifest.columns[c]) || entry.cells[c].empty()) continue;
            const auto [seen, fresh] = pttIdLine.emplace(entry.cells[c], row.line);
            if (!fresh)
                problems.push_back(lineError(
                    row.line, formatText("%s '%s' is already on line %d", manifest.columns[c].name.c_str(),
                                         entry.cells[c].c_str(), seen->second)));
        }
        entry.wave = portUses[entry.port]++;
        manifest.waves = std::max(manifest.waves, entry.wave + 1);
        ctnEntry.emplace(entry.ctn, manifest.entries.size());
        manifest.entries.push_back(std::move(entry));
    }
    if (manifest.entries.empty() && problems.empty())
        problems.push_back(lineError(rows.back().line + 1, "no collar in the manifest"));
    return problems.empty();
}

std::vector<const BatchEntry*> waveEntries(const BatchManifest& manifest, int wave) {
    std::vector<const BatchEntry*> entries;
    for (const BatchEntry& entry : manifest.entries)
        if (entry.wave == wave) entries.push_back(&entry);
    return entries;
}

}  // namespace orv
