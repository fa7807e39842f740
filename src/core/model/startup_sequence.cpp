#include "model/startup_sequence.h"

#include "app/energy_settings.h"
#include "model/overrides.h"
#include "model/startup_checks.h"

namespace orv {

StartupResult runStartup(MessageLog& log, ParameterRecord& record, const std::string& settingsFile,
                         MissingSettingsFile missingFile) {
    StartupResult result;
    result.exitCode = checkDefinitionCounts(log);
    if (!result.proceed()) {
        return result;
    }
    result.settings = readAppSettings(settingsFile);
    loadSettingsOverrides(settingsFile, log, missingFile);
    completeEnergySettings(settingsFile, missingFile == MissingSettingsFile::Create);
    resetRecord(record);
    return result;
}

}  // namespace orv
