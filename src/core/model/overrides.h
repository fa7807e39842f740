#pragma once

#include <string>

#include "app/message_log.h"

namespace orv {

// Applies the [Parameters] entries of the settings file to the defaults and
// limits of the general and season rows, writing the entries that are missing.
// An entry that is not usable is ignored with a warning naming it; a file that
// exists but cannot be read is left alone with one warning.
void loadSettingsOverrides(const std::string& settingsFile, MessageLog& log);

}  // namespace orv
