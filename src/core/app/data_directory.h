#pragma once

#include <string>

namespace orv {

// Where the program keeps Orv3.cfg and its databases when started from the
// desktop: the folder given on the command line, else ORV_DATA_DIR, else
// ~/.local/share/Orv. Never the folder the desktop happened to start it in.

// commandLine: the --data-dir value ("" when not given); environment and home:
// the values of ORV_DATA_DIR and HOME ("" when unset).
std::string chooseDataDirectory(const std::string& commandLine, const std::string& environment,
                                const std::string& home);

// Creates the folder (and its parents) when missing, readable by its owner
// only, and makes it the working directory. Empty on success, else the reason.
std::string enterDataDirectory(const std::string& path);

}  // namespace orv
