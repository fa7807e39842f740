#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/settings_file.h"

namespace orv {

// The settings file's reader and writer as operations on its text, so that a
// caller with many lookups can load the file once and store it once with the
// same result as reading and writing it entry by entry.

// The reader cuts longer lines into pieces of this length.
inline constexpr std::size_t kSettingsPieceLength = 255;

// The whole file, as the reader and the writer both see it (a reader that saw
// less than the writer would have the writer "complete" entries it could not
// see, overwriting them). A file that cannot be read reads as empty.
std::string loadSettingsText(const std::string& file);

// The lookup of readSetting over the file's content.
SettingValue findSetting(std::string_view content, std::string_view section, std::string_view key,
                         const std::string& defaultValue);

// The content writeSetting leaves behind, given the content before. An absent
// value removes the key.
std::string rewriteSetting(std::string_view content, std::string_view section, std::string_view key,
                           const std::optional<std::string>& value);

}  // namespace orv
