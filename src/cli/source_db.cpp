// --db PATH --job J --ctn C [--status S] [--version N]: a device stored in the
// parameter database, read as the window's Read button reads it (status
// "Working" unless given), or version N of it from the device history.

#include "cli.h"
#include "cli_messages.h"
#include "db/parameter_db.h"
#include "stored_version.h"

namespace orv::cli {

namespace {

int loadStoredDevice(Session& session, const Args& args) {
    const std::string path = args.value("db").value_or("");
    const std::string job = args.value("job").value_or("");
    const std::string ctn = args.value("ctn").value_or("");
    if (path.empty()) return usageError(clitext::kDbNeedsPath);
    if (job.empty() || ctn.empty()) return usageError(clitext::kDbNeedsKey);
    ParameterDb db(session.log, session.record);
    db.setCurrentPath(path);
    if (args.has("version")) {
        DeviceVersion found;
        return loadStoredVersion(db, args, job, ctn, found);
    }
    const DbResult rc =
        db.readDevice(job, ctn, args.value("status").value_or(kStatusWorking), ReadMode::Load);
    return rc == DbResult::Ok ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_SOURCE("db", loadStoredDevice, {"job", "ctn", "status", "version"});

}  // namespace orv::cli
