// orvctl device firmware|read|check|write|shutdown|read-factory|write-factory
// --port DEVICE: the device operations over a serial device, as the window's
// GPS System buttons run them. Without a window there is no Abort button:
// Ctrl-C aborts as Abort would, and the wait for the magnet ends after
// --timeout seconds with a time-out of its own.

#include <cstdio>
#include <ctime>
#include <string>

#include "access_check.h"
#include "cli.h"
#include "cli_messages.h"
#include "collar_session.h"
#include "db/parameter_db.h"
#include "device/device_operations.h"
#include "files/configuration_json.h"
#include "files/ppf_file.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
#include "pages/page_controls.h"
#include "trace_option.h"
#include "workflow/device_jobs.h"
#include "workflow/main_controls.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_completion.h"
#include "workflow/write_confirmations.h"
#include "write_consent.h"

namespace orv::cli {

namespace {

// What was read becomes the configuration: --json prints it, -o exports it.
int emitConfiguration(Session& session, const Args& args) {
    if (args.flag("json")) std::fputs(configurationJson(session.record, false).c_str(), stdout);
    if (const auto file = args.value("o")) {
        RecordFirmwareSelection selection(session.record);
        if (exportPpf(session.record, *file, selection, session.log) != ImageResult::Ok) return kExitFailed;
    }
    return kExitOk;
}

void printVersionTexts(const ParameterRecord& record) {
    const auto strings = stringDefinitions();
    for (const int row : {StringRow::FenmodFwVer, StringRow::RtcPicFwVer, StringRow::MiscDevFwVer,
                          StringRow::NavProcFwVer, StringRow::SigProcFwVer}) {
        const auto name = rowName(strings[static_cast<std::size_t>(row)]);
        std::printf("%.*s: %s\n", static_cast<int>(name.size()), name.data(), record.text(row).c_str());
    }
}

int exitFor(DeviceResult result) {
    return result == DeviceResult::Ok ? kExitOk : kExitFailed;
}

// The configuration came from the parameter database and is saved back as
// "Programmed" once the collar holds it (unless --no-save).
bool savesAfterWrite(const Args& args) {
    return args.has("db") && !args.has("no-save");
}

// Write Device as the window ends it: the save as "Programmed" by the user with
// the date and the archive files, then the restart warning.
int writeDevice(Session& session, const Args& args, DeviceContext& context, TerminalProgress& progress) {
    if (programConfiguration(context, progress) != DeviceResult::Ok) return kExitFailed;
    progress.clearLine();
    int status = kExitOk;
    if (savesAfterWrite(args)) {
        ParameterDb db(session.log, session.record);
        db.setCurrentPath(*args.value("db"));
        if (saveProgrammed(session.record, db, args.value("job").value_or(""), args.value("ctn").value_or(""),
                           std::time(nullptr)) != 0)
            status = kExitFailed;
        if (archiveProgrammed(session.record, session.settingsFile, context.link.memoryImage, session.log) !=
            0)
            status = kExitFailed;
    }
    session.log.warning("%s", wftext::kRestartWarning);
    return status;
}

int runOperation(const std::string& operation, Session& session, const Args& args, DeviceContext& context,
                 TerminalProgress& progress) {
    ParameterRecord& record = session.record;
    MessageLog& log = session.log;
    if (operation == "firmware") {
        if (readFirmwareVersions(context, progress) != DeviceResult::Ok) return kExitFailed;
        const std::string version = record.text(StringRow::FenmodFwVer);
        const int row = findFirmware(version);
        printVersionTexts(record);
        if (row == kFirmwareNotSupported) {
            log.error("%s", clitext::firmwareNotSet(std::string(firmwareFamily(version))).c_str());
            return kExitFailed;
        }
        context.selection.selectRow(row);
        log.information("%s", clitext::firmwareSet(record.text(StringRow::FenmodFwVer)).c_str());
        return kExitOk;
    }
    if (operation == "read") {
        const ReadJobResult read = readDeviceJob(context, progress, log, kReadMode);
        if (read.result != DeviceResult::Ok || !read.loaded) return kExitFailed;
        return emitConfiguration(session, args);
    }
    if (operation == "check") {
        const ReadJobResult check = readDeviceJob(context, progress, log, kCheckMode);
        if (check.result != DeviceResult::Ok || !check.matched) return kExitFailed;
        showCaptionedInformation(log, wftext::kDeviceCheckCaption, wftext::kDeviceMatchesMessage);
        return kExitOk;
    }
    if (operation == "write") return writeDevice(session, args, context, progress);
    if (operation == "write-factory") return exitFor(programFactoryParameters(context, progress));
    if (operation == "shutdown") return exitFor(shutDownTarget(context, progress));
    if (operation == "read-factory") {
        if (readFactoryJob(context, progress, log) != DeviceResult::Ok) return kExitFailed;
        return emitConfiguration(session, args);
    }
    return usageError(clitext::unknownDeviceOperation(operation));
}

// The operations behind a window button, with the button's control row.
struct GatedOperation {
    const char* operation;
    int controlRow;
    const char* what;  // as the refusal says it
};
constexpr GatedOperation kGatedOperations[] = {
    {"shutdown", MainControlRow::Shutdown, clitext::kShutdownAction},
    {"read-factory", PageControlRow::ReadFactoryButton, clitext::kReadFactoryAction},
    {"write-factory", PageControlRow::ProgramFactoryButton, clitext::kProgramFactoryAction},
};

int runDevice(Session& session, const Args& args) {
    static const char* const kOperations[] = {"firmware", "read",         "check",        "write",
                                              "shutdown", "read-factory", "write-factory"};
    if (args.positional.size() != 1) return usageError(clitext::kDeviceNeedsOperation);
    const std::string operation = args.positional[0];
    bool known = false;
    for (const char* name : kOperations) known = known || operation == name;
    if (!known) return usageError(clitext::unknownDeviceOperation(operation));
    const std::string port = args.value("port").value_or("");
    if (port.empty()) return usageError(clitext::deviceNeedsPort(operation));
    if ((args.flag("json") || args.has("o")) && operation != "read" && operation != "read-factory")
        return usageError(clitext::kJsonAndOutputWithRead);

    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    for (const char* option : {"no-save", "allow-zero-ptt-id"}) {
        if (args.has(option) && operation != "write") return usageError(clitext::onlyWithWrite(option));
    }
    if (const int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    // Shutdown and the factory area are buttons the window shows and enables for some levels only.
    for (const GatedOperation& gate : kGatedOperations) {
        if (operation != gate.operation) continue;
        if (const int rc = checkControl(session, gate.controlRow, "device " + operation, gate.what);
            rc != kExitOk)
            return rc;
    }
    // Only some levels program a stored device without saving it as "Programmed".
    if (operation == "write" && args.has("db") && args.has("no-save") &&
        !mayProgramWithoutSaving(session.userMask)) {
        reportFailure(clitext::alwaysSavesProgrammed(session.userName, session.levelName));
        return kExitUsage;
    }
    bool rootIdFlag = false;
    if (operation == "write") {
        if (const int rc = confirmWrite(session, session.record, args, "device write", rootIdFlag);
            rc != kExitOk)
            return rc;
    }
    // The save as "Programmed" names who programmed the collar: nobody, no traffic.
    if (operation == "write" && savesAfterWrite(args) && !args.has("user")) {
        session.log.error("%s", wftext::kUserNeededToProgram);
        return kExitFailed;
    }
    int traceStatus = kExitOk;
    const std::shared_ptr<SerialTrace> trace = openTraceOption(args, traceStatus);
    if (traceStatus != kExitOk) return traceStatus;

    int status;
    {
        CollarSession collar(session, port, settings, trace, rootIdFlag);
        status = runOperation(operation, session, args, collar.context(), collar.progress());
        collar.progress().clearLine();
    }
    reportTraceFailure(trace.get(), session.log);
    return status;
}

}  // namespace

ORV_CLI_COMMAND("device", runDevice,
                {"port", ORV_CLI_LINE_OPTIONS, "json", "o", "no-save", "allow-zero-ptt-id"},
                {"json", "single-pin", "no-save", "allow-zero-ptt-id"});

}  // namespace orv::cli
