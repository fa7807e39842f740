#pragma once

#include <string>

// The texts of printing and saving the reports, and the one report line whose
// spelling is kept on purpose.

namespace orv {

inline constexpr const char* kPrintServerMessage = "Was unable to talk to the print servers.";

// A report file that could not be created.
std::string reportOpenFailedMessage(const std::string& fileName);

// The SPR line of the cached fix lifetime. "Lifefime" is deliberate: the
// collar's users know the report with this spelling and compare reports by it.
inline constexpr const char* kCachedFixLifefimeLine = "   Cached Fix Lifefime (mm:ss) ..............";

}  // namespace orv
