#pragma once

#include <string>

// The texts of the program's own settings and folders. Texts that carry a
// path, a key or an entry are built by the functions below, each from one
// whole text.

namespace orv::apptext {

// The data folder.
inline constexpr const char* kNoDataFolder = "no data folder: neither ORV_DATA_DIR nor HOME is set";
std::string cannotCreateDataFolder(const std::string& path, const std::string& reason);
std::string dataFolderNotFolder(const std::string& path);
std::string cannotEnterDataFolder(const std::string& path, const std::string& reason);

// The beacon configuration program the Beacon tab starts.
inline constexpr const char* kSiblingNotFound =
    "Cannot locate Wren2-Orv on this machine - check installation!";

// The [Energy] settings and the capacity entries of the budget.
std::string energyEntryIgnored(const char* key, const char* section, const std::string& file,
                               const std::string& defaultValue);
std::string energyPercentEntryIgnored(const char* key, const char* section, const std::string& file,
                                      const std::string& defaultValue);
// A typed entry refused: `what` names the figure ("battery capacity").
std::string energyPercentRefused(const char* what, const std::string& text);
std::string energyNumberRefused(const char* what, const char* unit, const std::string& text);

// The settings file could not take its missing entries (a full disk, a file limit).
std::string settingsNotCompleted(const std::string& file, const std::string& reason);

}  // namespace orv::apptext
