#include "workflow/batch_results.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "app/csv_text.h"
#include "app/format_text.h"
#include "app/replace_file.h"

namespace orv {

namespace {

const std::vector<std::string> kColumns{"line",    "port",        "job",     "ctn", "result",
                                        "message", "differences", "seconds", "time"};

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string batchResultsHeader() {
    return csvLine(kColumns, ',');
}

std::string batchResultLine(const BatchResult& result) {
    return csvLine({std::to_string(result.line), spreadsheetSafe(result.port), spreadsheetSafe(result.job),
                    spreadsheetSafe(result.ctn), result.result, spreadsheetSafe(result.message),
                    result.differences ? std::to_string(*result.differences) : "",
                    formatText("%.1f", result.seconds), result.time},
                   ',');
}

bool readProgrammedLines(const std::string& text, const BatchManifest& manifest,
                         std::map<int, BatchResult>& programmed, std::vector<std::string>& problems) {
    programmed.clear();
    problems.clear();
    std::vector<CsvRow> rows;
    CsvProblem problem;
    if (!parseCsv(text, ',', rows, problem)) {
        problems.push_back(formatText("line %d: %s", problem.line, problem.what.c_str()));
        return false;
    }
    if (rows.empty() || rows.front().fields != kColumns) {
        problems.push_back("line 1: not a results file (" + batchResultsHeader().substr(0, 62) + ")");
        return false;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != kColumns.size()) {
            problems.push_back(formatText("line %d: %zu fields, a results line has %zu", row.line,
                                          row.fields.size(), kColumns.size()));
            continue;
        }
        BatchResult result;
        result.line = std::atoi(row.fields[0].c_str());
        result.port = fromSpreadsheetSafe(row.fields[1]);
        result.job = fromSpreadsheetSafe(row.fields[2]);
        result.ctn = fromSpreadsheetSafe(row.fields[3]);
        result.result = row.fields[4];
        result.message = fromSpreadsheetSafe(row.fields[5]);
        if (!row.fields[6].empty()) result.differences = std::atoi(row.fields[6].c_str());
        result.seconds = std::atof(row.fields[7].c_str());
        result.time = row.fields[8];
        const BatchEntry* entry = nullptr;
        for (const BatchEntry& candidate : manifest.entries)
            if (candidate.line == result.line) entry = &candidate;
        if (entry == nullptr || entry->port != result.port || entry->job != result.job ||
            entry->ctn != result.ctn) {
            problems.push_back(formatText("line %d: manifest line %d is not port %s, Job '%s', CTN '%s'",
                                          row.line, result.line, result.port.c_str(), result.job.c_str(),
                                          result.ctn.c_str()));
            continue;
        }
        if (result.result == kResultProgrammed) programmed[result.line] = result;
    }
    return problems.empty();
}

BatchResultsFile::~BatchResultsFile() {
    if (fd >= 0) ::close(fd);
}

bool BatchResultsFile::create(const std::string& path, const std::vector<BatchResult>& kept) {
    std::string text = batchResultsHeader();
    for (const BatchResult& result : kept) text += batchResultLine(result);
    if (replaceFile(path, text) != 1) return false;
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    return fd >= 0;
}

bool BatchResultsFile::append(const BatchResult& result) {
    std::lock_guard guard(lock);
    if (fd < 0) return false;
    return writeAll(fd, batchResultLine(result)) && ::fsync(fd) == 0;
}

}  // namespace orv
