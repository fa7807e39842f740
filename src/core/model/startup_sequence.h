#pragma once

#include <string>

#include "app/startup.h"
#include "model/overrides.h"
#include "model/record.h"

namespace orv {

class MessageLog;

struct StartupResult {
    AppSettings settings;
    int exitCode = 0;  // -1 when the definition tables do not match; then nothing else was done
    bool proceed() const { return exitCode == 0; }
};

// The start-up steps that open no window, shared by both front ends: check the
// definition tables, read the [Files] and [Startup] settings, apply the
// [Parameters] overrides (writing the missing entries) and reset the record.
StartupResult runStartup(MessageLog& log, ParameterRecord& record,
                         const std::string& settingsFile = kSettingsFileName,
                         MissingSettingsFile missingFile = MissingSettingsFile::Create);

}  // namespace orv
