#pragma once

#include <string>

#include "app/message_log.h"

namespace orv {

// Applies the [Parameters] entries of the settings file to the defaults and
// limits of the general and season rows, writing the entries that are missing.
// An entry that is not usable is ignored with a warning naming it; a file that
// exists but cannot be read is left alone with one warning.
// A missing settings file is created with every entry unless missingFile says
// to leave it missing (orvctl, which must not leave files behind unasked).
// "" when the file holds every entry; else why it could not be written (it is
// then as it was, and the caller says so).
enum class MissingSettingsFile { Create, LeaveMissing };
std::string loadSettingsOverrides(const std::string& settingsFile, MessageLog& log,
                                  MissingSettingsFile missingFile = MissingSettingsFile::Create);

}  // namespace orv
