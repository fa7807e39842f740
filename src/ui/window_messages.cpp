#include "window_messages.h"

#include "app/format_text.h"

namespace orv::uitext {

std::string userGuideMissing(const std::string& path) {
    return formatText("The user guide was not found at %s.\nIt is installed with the program.", path.c_str());
}

std::string cannotStart(const std::string& reason) {
    return formatText("Orv cannot start: %s.", reason.c_str());
}

std::string databaseFallback(const std::string& path, const std::string& local) {
    return formatText(
        "Could not open the parameter database file '%s'.  Trying to open a\nlocal database: '%s' instead.",
        path.c_str(), local.c_str());
}

std::string batteryFiguresNotStored(const std::string& file) {
    return formatText("The battery figures could not be stored in the settings file '%s'.", file.c_str());
}

}  // namespace orv::uitext
