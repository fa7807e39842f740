#include "app/settings_file.h"

#include "app/format_text.h"
#include "app/int_text.h"
#include "app/replace_file.h"
#include "app/settings_text.h"

namespace orv {

std::string loadSettingsText(const std::string& file) {
    std::string content;
    readWholeFile(file, content);
    return content;
}

SettingValue readSetting(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue) {
    return findSetting(loadSettingsText(file), section, key, defaultValue);
}

int writeSetting(const std::string& file, const std::string& section, const std::string& key,
                 const std::optional<std::string>& value) {
    std::string content;
    if (!readWholeFile(file, content)) {
        // A file that exists but cannot be read is left alone rather than
        // replaced by one holding only this entry.
        return 0;
    }
    return replaceFile(file, rewriteSetting(content, section, key, value));
}

int readIntSetting(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue) {
    return intFromText(readSetting(file, section, key, formatText("%d", defaultValue)).text);
}

int writeIntSetting(const std::string& file, const std::string& section, const std::string& key, int value) {
    return writeSetting(file, section, key, formatText("%d", value));
}

}  // namespace orv
