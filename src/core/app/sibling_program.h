#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orv {

// The sibling configuration program, as its desktop entry names it.
struct SiblingProgram {
    std::string program;           // the file to start
    std::string workingDirectory;  // the entry's folder ("Path"), may be empty
};

inline constexpr const char* kSiblingDisplayName = "Halvorn Wren-2 Orv";
inline constexpr const char* kSiblingFileName = "wren2Orv";

// The folders that hold desktop entries: $XDG_DATA_HOME/applications (or
// ~/.local/share/applications), then each of $XDG_DATA_DIRS (or
// /usr/local/share:/usr/share) with /applications.
std::vector<std::string> desktopEntryFolders();

// Looks through the *.desktop files of the folders (in name order, folder by
// folder) for the entry whose Name is kSiblingDisplayName; the last one found
// wins. Its program is the first word of Exec, or else the entry's Path
// followed by kSiblingFileName.
std::optional<SiblingProgram> findSiblingProgram(const std::vector<std::string>& folders);

}  // namespace orv
