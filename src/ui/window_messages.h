#pragma once

#include <string>

// The texts the window shows of its own, beside those of the core modules:
// starting without a data folder or a database, and the battery figures.
// Captions and tooltips stay with the layout that shows them.

namespace orv::uitext {

std::string cannotStart(const std::string& reason);
// The "?" button when the guide is not where the program looks for it.
std::string userGuideMissing(const std::string& path);
std::string databaseFallback(const std::string& path, const std::string& local);
inline constexpr const char* kNoDatabase =
    "Could NOT open a Fenmod database for the application.\nThe program may have attempted to open a corrupted database --\ntry renaming the intended database to force the program to\ncreate a new one.  If the problem persists, call Halvorn support.";
std::string batteryFiguresNotStored(const std::string& file);

}  // namespace orv::uitext
