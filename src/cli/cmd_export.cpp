// orvctl export --format json -o FILE.json: the configuration as JSON with its
// schema version, the form '--json FILE' reads back.

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "files/configuration_json.h"
#include "fleet_messages.h"

namespace orv::cli {

namespace {

int runExport(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("export", args.positional[0]));
    const std::string format = args.value("format").value_or("json");
    if (format != "json") return usageError(clitext::exportFormatUnknown(format));
    const std::string file = args.value("o").value_or("");
    if (file.empty()) return usageError(clitext::kExportNeedsFile);
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    if (replaceFile(file, configurationJson(session.record, true)) != 1) {
        reportFailure(clitext::cannotWrite(file));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("export", runExport, {"format", "o"});

}  // namespace orv::cli
