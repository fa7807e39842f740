#include "app/run_log.h"

#include <cstdio>

namespace orv {

std::string startRunLog(const std::string& folder) {
    const std::string prefix = folder.empty() ? "" : folder + "/";
    const std::string path = prefix + kRunLogFile;
    // A missing log (the first run) is no failure: the rename then does nothing.
    std::rename(path.c_str(), (prefix + kPreviousRunLogFile).c_str());
    return path;
}

}  // namespace orv
