#include "files/files_messages.h"

#include "app/format_text.h"

namespace orv::filestext {

std::string cannotWrite(const std::string& path) {
    return formatText("Could not open '%s' for writing. \nThe export file was NOT created!", path.c_str());
}

std::string cannotRead(const std::string& path) {
    return formatText("Could not open '%s' for reading. \nThe configuration file was NOT read!",
                      path.c_str());
}

std::string wrongSize(std::size_t bytes, const std::string& firmware, std::size_t expected) {
    return formatText(
        "The file has %zu bytes, but a .ppf file of firmware '%s' has %zu bytes.\nThe configuration file was NOT read!",
        bytes, firmware.c_str(), expected);
}

std::string noNumber(const char* field) {
    return formatText("The file holds no number for '%s'.\nThe configuration file was NOT read!", field);
}

std::string noSeasonNumber(const char* field, int season) {
    return formatText("The file holds no number for '%s' in season %d.\nThe configuration file was NOT read!",
                      field, season);
}

}  // namespace orv::filestext
