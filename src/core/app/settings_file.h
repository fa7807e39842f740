#pragma once

#include <optional>
#include <string>

namespace orv {

// The settings file "Orv3.cfg": [Section] headers and key=value lines, read and
// rewritten by a reader and writer of our own. Keys and sections match exactly.

struct SettingValue {
    std::string text;      // at most 255 characters
    bool found = false;    // false: text is the default
    std::size_t line = 0;  // where it was found, counting from 1
};

SettingValue readSetting(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue);

// 1 on success, 0 when the temporary file cannot be created (the file is then
// untouched). A value of std::nullopt removes the key.
int writeSetting(const std::string& file, const std::string& section, const std::string& key,
                 const std::optional<std::string>& value);

int readIntSetting(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue);
int writeIntSetting(const std::string& file, const std::string& section, const std::string& key, int value);

}  // namespace orv
