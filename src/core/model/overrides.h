#pragma once

#include <string>

namespace orv {

// Applies the [Parameters] entries of the settings file to the defaults and
// limits of the general and season rows, writing the entries that are missing.
void loadSettingsOverrides(const std::string& settingsFile);

}  // namespace orv
