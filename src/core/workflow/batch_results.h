#pragma once

// The results file of a batch: one CSV line per manifest line, written as each
// collar finishes and flushed to the disk at once, so that a batch killed
// midway leaves a file that says exactly which collars are done. A rerun with
// the file programs only the lines it does not name as programmed.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "workflow/batch_manifest.h"

namespace orv {

inline constexpr const char* kResultProgrammed = "programmed";
inline constexpr const char* kResultFailed = "failed";
inline constexpr const char* kResultNotProgrammed = "not programmed";

struct BatchResult {
    int line = 0;  // of the manifest
    std::string port;
    std::string job;
    std::string ctn;
    std::string result;  // kResultProgrammed, kResultFailed or kResultNotProgrammed
    std::string message;
    std::optional<int> differences;
    double seconds = 0;
    std::string time;  // when the collar finished, "YYYY-MM-DDTHH:MM:SSZ"
};

// "line,port,job,ctn,result,message,differences,seconds,time" and the line of a result.
std::string batchResultsHeader();
std::string batchResultLine(const BatchResult& result);

// The lines a results file names as programmed, checked against the manifest:
// false with the problems (a header that is not a results file's, a line the
// manifest does not have or has with another port, job or CTN).
bool readProgrammedLines(const std::string& text, const BatchManifest& manifest,
                         std::map<int, BatchResult>& programmed, std::vector<std::string>& problems);

// The file being written: created anew (the header and the kept lines), then
// one line per finished collar, each on the disk before append returns.
class BatchResultsFile {
public:
    BatchResultsFile() = default;
    ~BatchResultsFile();
    BatchResultsFile(const BatchResultsFile&) = delete;
    BatchResultsFile& operator=(const BatchResultsFile&) = delete;

    // false when the file cannot be created or written.
    bool create(const std::string& path, const std::vector<BatchResult>& kept);
    // Any thread. false when the line could not be written whole.
    bool append(const BatchResult& result);
    bool isOpen() const { return fd >= 0; }

private:
    std::mutex lock;
    int fd = -1;
};

}  // namespace orv
