#include "app/app_messages.h"

#include "app/format_text.h"

namespace orv::apptext {

std::string cannotCreateDataFolder(const std::string& path, const std::string& reason) {
    return formatText("cannot create the data folder %s: %s", path.c_str(), reason.c_str());
}

std::string dataFolderNotFolder(const std::string& path) {
    return formatText("the data folder %s is not a folder", path.c_str());
}

std::string cannotEnterDataFolder(const std::string& path, const std::string& reason) {
    return formatText("cannot enter the data folder %s: %s", path.c_str(), reason.c_str());
}

std::string energyEntryIgnored(const char* key, const char* section, const std::string& file,
                               const std::string& defaultValue) {
    return formatText(
        "The entry '%s' in section [%s] of the settings file '%s' is not a number of zero or more:\nits default %s is used.",
        key, section, file.c_str(), defaultValue.c_str());
}

std::string energyPercentEntryIgnored(const char* key, const char* section, const std::string& file,
                                      const std::string& defaultValue) {
    return formatText(
        "The entry '%s' in section [%s] of the settings file '%s' is not a percentage from 0 to 100:\nits default %s is used.",
        key, section, file.c_str(), defaultValue.c_str());
}

std::string energyPercentRefused(const char* what, const std::string& text) {
    return formatText("The %s is a percentage from 0 to 100, not '%s'.", what, text.c_str());
}

std::string energyNumberRefused(const char* what, const char* unit, const std::string& text) {
    return formatText("The %s is a number of %s, zero or more, not '%s'.", what, unit, text.c_str());
}

std::string settingsNotCompleted(const std::string& file, const std::string& reason) {
    return formatText(
        "The settings file '%s' could not be completed with its missing entries: %s.\n"
        "It was left as it was; the missing entries take their defaults for this run.",
        file.c_str(), reason.c_str());
}

}  // namespace orv::apptext
