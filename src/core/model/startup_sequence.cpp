#include "model/startup_sequence.h"

#include "app/app_messages.h"
#include "app/energy_settings.h"
#include "app/message_log.h"
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
    // The file is completed whole or not at all: after a failed write the
    // [Energy] entries are not added either, and the failure is said once.
    std::string notCompleted = loadSettingsOverrides(settingsFile, log, missingFile);
    if (notCompleted.empty())
        notCompleted = completeEnergySettings(settingsFile, missingFile == MissingSettingsFile::Create);
    if (!notCompleted.empty())
        log.warning("%s", apptext::settingsNotCompleted(settingsFile, notCompleted).c_str());
    resetRecord(record);
    return result;
}

}  // namespace orv
