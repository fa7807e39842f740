#include "cli.h"
#include "model/startup_sequence.h"

namespace orv::cli {

int startSession(Session& session) {
    const StartupResult startup = runStartup(
        session.log, session.record, session.settingsFile,
        session.createSettingsFile ? MissingSettingsFile::Create : MissingSettingsFile::LeaveMissing);
    return startup.proceed() ? kExitOk : kExitFailed;
}

}  // namespace orv::cli
