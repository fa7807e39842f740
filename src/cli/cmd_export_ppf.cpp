// orvctl export-ppf -o FILE: the .ppf file of the configuration, the same
// bytes as the window's Export writes.

#include "cli.h"
#include "cli_messages.h"
#include "files/ppf_file.h"
#include "image/firmware_selection.h"

namespace orv::cli {

namespace {

int runExportPpf(Session& session, const Args& args) {
    if (!args.positional.empty())
        return usageError(clitext::takesNoArgument("export-ppf", args.positional[0]));
    const std::string file = args.value("o").value_or("");
    if (file.empty()) return usageError(clitext::kExportNeedsOutput);
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    ParameterRecord& record = session.record;
    if (record.text(StringRow::FenmodFwVer).empty()) {
        session.log.error("%s", clitext::kFirmwareUnknownNotExported);
        return kExitFailed;
    }
    // There is no combo box apart from the configuration's own firmware.
    RecordFirmwareSelection selection(record);
    return exportPpf(record, file, selection, session.log) == ImageResult::Ok ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_COMMAND("export-ppf", runExportPpf, {"o"});

}  // namespace orv::cli
