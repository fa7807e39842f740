// orvctl device firmware|read|check|write|shutdown|read-factory|write-factory
// --port DEVICE: the device operations over a serial device, as the window's
// GPS System buttons run them. Without a window there is no Abort button:
// Ctrl-C aborts as Abort would, and the wait for the magnet ends after
// --timeout seconds with a time-out of its own.

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "access_check.h"
#include "app/energy_settings.h"
#include "cli.h"
#include "cli_messages.h"
#include "collar_session.h"
#include "compare/configuration_diff.h"
#include "db/parameter_db.h"
#include "device/device_operations.h"
#include "difference_output.h"
#include "files/configuration_json.h"
#include "files/ppf_file.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
#include "trace_option.h"
#include "workflow/device_jobs.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_confirmations.h"
#include "workflow/write_sequence.h"
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

// --show-changes: the changes to be written on stdout, then the question
// (--yes or --no); without it the collar is still read first, for the
// before-copy.
class TerminalChangeConfirmation : public WriteView {
public:
    TerminalChangeConfirmation(MessageLog& log, TerminalProgress& progress) : log(log), progress(progress) {}
    bool confirmChanges(const ChangeSummary& summary) override {
        progress.clearLine();
        std::string list = std::string(summaryHeading(summary)) + "\n";
        if (!summary.differences.empty()) list += differencesText(summary.differences, &summary.impact);
        std::fwrite(list.data(), 1, list.size(), stdout);
        std::fflush(stdout);
        return log.choice("%s", wftext::kWriteChangesQuestion) == kAnswerYes;
    }

private:
    MessageLog& log;
    TerminalProgress& progress;
};

// Write Device as the window runs it: the collar read first (and the changes
// shown with --show-changes), programmed, then the before-copy, the save as
// "Programmed" by the user with the date and the archive files when the
// configuration came from the database, and the restart warning.
int writeDevice(Session& session, const Args& args, DeviceContext& context, TerminalProgress& progress,
                const WritePlan& plan) {
    WriteOptions options;
    options.showChanges = args.has("show-changes");
    if (options.showChanges) options.energy = readEnergySettings(session.settingsFile, session.log);
    options.now = std::time(nullptr);
    TerminalChangeConfirmation view(session.log, progress);
    const WriteOutcome outcome = runWrite(context, progress, view, options);
    progress.clearLine();
    if (outcome.cancelled) session.log.warning("%s", wftext::kNotProgrammed);

    WriteCompletion completion;
    completion.saveAfterProgramming = plan.saveAfterProgramming;
    completion.archive = plan.saveAfterProgramming;
    completion.job = args.value("job").value_or("");
    completion.ctn = args.value("ctn").value_or("");
    completion.settingsFile = session.settingsFile;
    completion.when = std::time(nullptr);
    std::optional<ParameterDb> db;
    if (plan.saveAfterProgramming) {
        db.emplace(session.log, session.record);
        db->setCurrentPath(*args.value("db"));
        completion.db = &*db;
    }
    return completeWrite(session.record, outcome, completion, view, session.log) == WriteEnd::Completed
               ? kExitOk
               : kExitFailed;
}

int runOperation(const std::string& operation, Session& session, const Args& args, DeviceContext& context,
                 TerminalProgress& progress, const WritePlan& plan) {
    ParameterRecord& record = session.record;
    MessageLog& log = session.log;
    if (operation == "firmware") {
        if (readFirmwareVersions(context, progress) != DeviceResult::Ok) return kExitFailed;
        printVersionTexts(record);
        return takeUpFirmwareQuery(record, context.selection, log) ? kExitOk : kExitFailed;
    }
    if (operation == "read") {
        const ReadJobResult read = readDeviceJob(context, progress, log, ReadMode::Load);
        if (read.result != DeviceResult::Ok || !read.loaded) return kExitFailed;
        return emitConfiguration(session, args);
    }
    if (operation == "check") {
        const ReadJobResult check = readDeviceJob(context, progress, log, ReadMode::Check);
        // --all: every difference, not only the first the check names.
        if (args.flag("all")) std::fputs(differenceLines(check.differences).c_str(), stdout);
        if (check.result != DeviceResult::Ok || !check.matched) return kExitFailed;
        showCaptionedInformation(log, wftext::kDeviceCheckCaption, wftext::kDeviceMatchesMessage);
        return kExitOk;
    }
    if (operation == "write") return writeDevice(session, args, context, progress, plan);
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
    {"shutdown", ControlRow::Shutdown, clitext::kShutdownAction},
    {"read-factory", ControlRow::ReadFactoryButton, clitext::kReadFactoryAction},
    {"write-factory", ControlRow::ProgramFactoryButton, clitext::kProgramFactoryAction},
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
    for (const char* option : {"no-save", "allow-zero-ptt-id", "show-changes"}) {
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
        !mayProgramWithoutSaving(session.user.mask)) {
        reportFailure(clitext::alwaysSavesProgrammed(session.user.name, session.user.level));
        return kExitUsage;
    }
    WritePlan plan;
    if (operation == "write") {
        if (const int rc =
                confirmWrite(session, session.record, args, "device write", savesAfterWrite(args), plan);
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
        CollarSession collar(session, port, settings, trace, plan.rootIdFlag);
        status = runOperation(operation, session, args, collar.context(), collar.progress(), plan);
        collar.progress().clearLine();
    }
    reportTraceFailure(trace.get(), session.log);
    return status;
}

}  // namespace

ORV_CLI_COMMAND("device", runDevice,
                {"port", ORV_CLI_LINE_OPTIONS, "json", "o", "no-save", "allow-zero-ptt-id", "show-changes",
                 "all"},
                {"json", "single-pin", "no-save", "allow-zero-ptt-id", "show-changes", "all"});

}  // namespace orv::cli
