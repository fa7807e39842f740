#pragma once

// The manifest of a batch: CSV with a header line naming its columns
// (port, job, ctn and optionally status, "Working" by default), then one
// collar a line.

#include <string>
#include <vector>

namespace orv {

struct BatchEntry {
    int line = 0;  // in the file, from 1
    std::string port;
    std::string job;
    std::string ctn;
    std::string status;
};

// The entries of the manifest text; false with error naming the line of the
// first fault (a missing column, a line with too few fields, the same port
// twice, no collar at all).
bool parseBatchManifest(const std::string& text, std::vector<BatchEntry>& entries, std::string& error);

}  // namespace orv
