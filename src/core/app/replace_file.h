#pragma once

#include <string>
#include <string_view>

namespace orv {

// Replaces the file at path with content: the content goes into a temporary
// file created beside it (named from the template, whose trailing X's are made
// unique), which is then renamed into place, so a reader sees either the old or
// the new file, never half of one. A new file gets the usual permissions, a
// replaced one keeps its own. 1 on success; 0 when the temporary file cannot be
// created or written (the file is then untouched and no temporary file remains).
int replaceFile(const std::string& path, std::string_view content, const char* tempTemplate = "CFXXXXXX");

// As replaceFile, for a file that must be new: -1 (and nothing written) when
// path exists already, even when another writer creates it at the same moment.
int createNewFile(const std::string& path, std::string_view content, const char* tempTemplate = "CFXXXXXX");

// The whole content of a file. A missing file reads as empty and counts as read;
// false when the file exists but cannot be read.
bool readWholeFile(const std::string& path, std::string& content);

}  // namespace orv
