#pragma once

#include <cstddef>
#include <string>

// The texts of the .ppf configuration files: export and import, done, not
// done and failed. Texts that carry a path, a field or a size are built by the
// functions below, each from one whole text.

namespace orv::filestext {

inline constexpr const char* kExported = "Configuration Successfully exported!";
inline constexpr const char* kExportNotCompleted = "Export not completed!";
inline constexpr const char* kImportNotCompleted = "Import not completed!";
// An export whose image could not be built, in the words of a failed programming.
inline constexpr const char* kExportCommunicationError =
    "A communication error was detected!\nThe target memory was NOT programmed correctly.";

std::string cannotWrite(const std::string& path);
std::string cannotRead(const std::string& path);
std::string wrongSize(std::size_t bytes, const std::string& firmware, std::size_t expected);
std::string noNumber(const char* field);
std::string noSeasonNumber(const char* field, int season);

}  // namespace orv::filestext
