#pragma once

#include <string>

namespace orv {

// The window keeps the message log of its run in its data folder, for support:
// every box it showed and every answer. The log of the run before is kept
// beside it once; older ones go.
inline constexpr const char* kRunLogFile = "Orv3-messages.log";
inline constexpr const char* kPreviousRunLogFile = "Orv3-messages.previous.log";

// Starts this run's log in folder (the last run's log becomes the previous
// one) and returns its path for MessageLog::logPath.
std::string startRunLog(const std::string& folder);

}  // namespace orv
