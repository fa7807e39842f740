#include "cli_messages.h"

#include "app/format_text.h"
#include "db/database_uri.h"

namespace orv::clitext {

std::string takesNoArgument(const std::string& command, const std::string& argument) {
    return formatText("'%s' takes no argument '%s'", command.c_str(), argument.c_str());
}

std::string unknownCommand(const std::string& name, const std::string& nearest) {
    if (nearest.empty()) return formatText("unknown command '%s'", name.c_str());
    return formatText("unknown command '%s'; did you mean '%s'?", name.c_str(), nearest.c_str());
}

std::string unknownOption(const std::string& name, const std::string& command, const std::string& nearest) {
    if (nearest.empty()) return formatText("unknown option '--%s' for '%s'", name.c_str(), command.c_str());
    return formatText("unknown option '--%s' for '%s'; did you mean '--%s'?", name.c_str(), command.c_str(),
                      nearest.c_str());
}

std::string optionTakesNoValue(const std::string& name) {
    return formatText("option '--%s' takes no value", name.c_str());
}

std::string optionNeedsValue(const std::string& word) {
    return formatText("option '%s' needs a value", word.c_str());
}

std::string databaseCreated(const std::string& path) {
    return formatText("Information: The database file '%s' was created.", path.c_str());
}

std::string twoSources(const std::string& first, const std::string& second) {
    return formatText("give one configuration source, not --%s and --%s", first.c_str(), second.c_str());
}

std::string notPpfFile(const std::string& path) {
    return formatText("'%s' is not a .ppf file", path.c_str());
}

std::string malformedRaw(const std::string& assignment) {
    return formatText("malformed --raw '%s', want KEY=NUMBER", assignment.c_str());
}

std::string unknownRawParameter(const std::string& name) {
    return formatText("unknown parameter '%s' in --raw", name.c_str());
}

std::string rawNeedsNumber(const std::string& name, const std::string& text) {
    return formatText("--raw %s needs a number, not '%s'", name.c_str(), text.c_str());
}

std::string malformedSet(const std::string& assignment) {
    return formatText("malformed --set '%s', want KEY=TEXT", assignment.c_str());
}

std::string unknownSetParameter(const std::string& name) {
    return formatText("unknown parameter '%s' in --set", name.c_str());
}

std::string notAChoice(const std::string& text, std::string_view field) {
    return formatText("'%s' is not a choice of '%.*s'", text.c_str(), static_cast<int>(field.size()),
                      field.data());
}

std::string cannotEnter(std::string_view field) {
    return formatText("cannot enter a value into '%.*s'", static_cast<int>(field.size()), field.data());
}

std::string cannotChangeAtLevel(const std::string& how, std::string_view field, const std::string& level,
                                const std::string& user) {
    return formatText("%s: '%.*s' cannot be changed at the %s level (user '%s').", how.c_str(),
                      static_cast<int>(field.size()), field.data(), level.c_str(), user.c_str());
}

std::string resetLabelUnknown(const std::string& label, const std::string& validLabels) {
    return formatText("--reset '%s' names no box of the defaults dialog; valid labels:\n  %s", label.c_str(),
                      validLabels.c_str());
}

std::string passwordPrompt(const std::string& user) {
    return formatText("Password for %s: ", user.c_str());
}

std::string loginNeedsPassword(const std::string& user, const char* variable) {
    return formatText("User '%s' logs in with a password: set %s or run orvctl on a terminal.", user.c_str(),
                      variable);
}

std::string usersNeedsEngineer(const std::string& action) {
    return formatText(
        "'users %s' needs an Engineer login: --login NAME, with the password in ORV_LOGIN_PASSWORD or typed "
        "when asked",
        action.c_str());
}

std::string usersRefusedForLevel(const std::string& action, const std::string& user,
                                 const std::string& level) {
    return formatText("'users %s' is for an Engineer: user '%s' has the access level %s", action.c_str(),
                      user.c_str(), level.c_str());
}

std::string firstEngineerAdded(const std::string& user) {
    return formatText(
        "The password database held no user yet: '%s' is its first Engineer, added without a login. Every "
        "further change to the user list needs an Engineer login (--login NAME).",
        user.c_str());
}

std::string oldPasswordPrompt(const std::string& user) {
    return formatText("Old password for %s: ", user.c_str());
}

std::string oldPasswordNeeded(const std::string& user) {
    return formatText(
        "Changing the password of '%s' asks for the old one: set ORV_OLD_PASSWORD or run orvctl on a terminal "
        "(or log in as an Engineer with --login NAME).",
        user.c_str());
}

std::string rawNeedsEngineer(const std::string& user, const std::string& level) {
    return formatText(
        "--raw stores values unchecked, for tests and repairs, and needs an Engineer login: user '%s' has the "
        "access level %s",
        user.c_str(), level.c_str());
}

std::string levelNeedsPassword(const std::string& level) {
    return formatText("A user of level %s needs a password: set ORV_PASSWORD or run orvctl on a terminal.",
                      level.c_str());
}

std::string sourceUnknown(const std::string& text) {
    return formatText(
        "'%s' names no configuration: give FILE.ppf, device:PORT, db:JOB,CTN,STATUS or defaults",
        text.c_str());
}

std::string dbSourceNeedsDb(const std::string& text) {
    return formatText("'%s' needs --db PATH: the database that holds the device", text.c_str());
}

std::string sourceUnreadable(const std::string& text) {
    return formatText("the configuration of '%s' could not be read", text.c_str());
}

std::string diffTakesNoSourceOption(const std::string& option) {
    return formatText("'diff' takes its configurations as OLD and NEW, not --%s", option.c_str());
}

std::string binUnreadable(const std::string& path) {
    return formatText("cannot read the image file '%s'", path.c_str());
}

std::string binWrongSize(const std::string& path, std::size_t size, const std::string& version,
                         std::size_t expected) {
    return formatText("'%s' is no configuration image of %s: it holds %zu bytes, the image %zu", path.c_str(),
                      version.c_str(), size, expected);
}

std::string unknownUsersAction(const std::string& action) {
    return formatText("unknown 'users' action '%s'", action.c_str());
}

std::string userLevelUnknown(const std::string& user) {
    return formatText("the level of user '%s' could not be read", user.c_str());
}

std::string usersActionNeedsUser(const std::string& action) {
    return formatText("'users %s' needs --user NAME", action.c_str());
}

std::string unknownLevel(const std::string& level) {
    return formatText("unknown level '%s': one of Customer, Test, Production, Coordinator, Engineer",
                      level.c_str());
}

std::string unknownDbAction(const std::string& action) {
    return formatText("unknown 'db' action '%s'", action.c_str());
}

std::string dbActionNeedsKey(const std::string& action) {
    return formatText("'db %s' needs --job and --ctn", action.c_str());
}

std::string deviceDeleted(const std::string& job, const std::string& ctn, const std::string& status) {
    return formatText(wftext::kDeleted, job.c_str(), ctn.c_str(), status.c_str());
}

std::string deviceNotInDatabase(const std::string& job, const std::string& ctn, const std::string& status) {
    return formatText("Job #: '%s', Ctn #: '%s', Status: '%s' was not found in the database", job.c_str(),
                      ctn.c_str(), status.c_str());
}

std::string statusUnknown(const std::string& status) {
    return formatText("--status is \"Working\", \"Coord. Signoff\" or \"Programmed\", not '%s'",
                      status.c_str());
}

std::string editRefusedForJob(const std::string& action, const std::string& user, const std::string& level,
                              const std::string& job) {
    return formatText("db %s: user '%s' at the %s level may not %s the Job '%s'.", action.c_str(),
                      user.c_str(), level.c_str(), action.c_str(), job.c_str());
}

std::string editRefusedForStatus(const std::string& action, const std::string& user, const std::string& level,
                                 const std::string& status) {
    return formatText("db %s: user '%s' at the %s level may not %s a device with status '%s'.",
                      action.c_str(), user.c_str(), level.c_str(), action.c_str(), status.c_str());
}

std::string controlRefused(const std::string& command, const std::string& user, const std::string& level,
                           const std::string& action) {
    return formatText("%s: user '%s' at the %s level may not %s.", command.c_str(), user.c_str(),
                      level.c_str(), action.c_str());
}

std::string cannotSignOff(const std::string& user, const std::string& level) {
    return formatText("db save: --sign-off: user '%s' at the %s level cannot sign off.", user.c_str(),
                      level.c_str());
}

std::string unknownDeviceOperation(const std::string& operation) {
    return formatText("unknown device operation '%s'", operation.c_str());
}

std::string deviceNeedsPort(const std::string& operation) {
    return formatText("'device %s' needs --port DEVICE", operation.c_str());
}

std::string onlyWithWrite(const char* option) {
    return formatText("--%s goes with 'device write'", option);
}

std::string alwaysSavesProgrammed(const std::string& user, const std::string& level) {
    return formatText(
        "device write: --no-save: user '%s' at the %s level always saves the device as \"Programmed\".",
        user.c_str(), level.c_str());
}

std::string baudNotPositive(const std::string& text) {
    return formatText("--baud needs a positive number, not '%s'", text.c_str());
}

std::string parityUnknown(const std::string& text) {
    return formatText("--parity is none, odd or even, not '%s'", text.c_str());
}

std::string dataBitsUnknown(const std::string& text) {
    return formatText("--data-bits is 7 or 8, not '%s'", text.c_str());
}

std::string stopBitsUnknown(const std::string& text) {
    return formatText("--stop-bits is 1 or 2, not '%s'", text.c_str());
}

std::string timeoutNotPositive(const std::string& text) {
    return formatText("--timeout needs a positive number of seconds, not '%s'", text.c_str());
}

std::string traceNotOpened(const std::string& path, const std::string& reason) {
    return formatText("--trace: cannot open the trace file '%s': %s", path.c_str(), reason.c_str());
}

std::string activityCheckFailed(const std::string& where) {
    return formatText("%s: the activity check failed; nothing was programmed.", where.c_str());
}

std::string zeroPttIdRefused(const std::string& where, long long rootId) {
    return formatText(
        "%s: the assigned PTT ID code is zero; nothing was programmed (--allow-zero-ptt-id programs the root ID %lld instead).",
        where.c_str(), rootId);
}

std::string manifestUnreadable(const std::string& path) {
    return formatText("%s: cannot read the manifest", path.c_str());
}

std::string manifestProblem(const std::string& path, const std::string& problem) {
    return formatText("%s: %s", path.c_str(), problem.c_str());
}

std::string manifestLineProblem(const std::string& path, int line, const std::string& problem) {
    return formatText("%s: line %d: %s", path.c_str(), line, problem.c_str());
}

std::string portNotSerial(const std::string& port) {
    return formatText("port %s is no serial device", port.c_str());
}

std::string deviceNotStored(const std::string& job, const std::string& ctn, const std::string& status,
                            const std::string& database) {
    return formatText("Job '%s', CTN '%s', status '%s' is not in the database %s", job.c_str(), ctn.c_str(),
                      status.c_str(), displayName(database).c_str());
}

std::string cannotWrite(const std::string& path) {
    return formatText("cannot write '%s'", path.c_str());
}

std::string outputNotWritten(const std::string& reason) {
    if (reason.empty()) return "the output could not be written to the standard output";
    return formatText("the output could not be written to the standard output: %s", reason.c_str());
}

std::string firmwareNotSupported(const std::string& version) {
    return formatText("the firmware version '%s' is not supported", version.c_str());
}

std::string needsStart(const std::string& command) {
    return formatText("'%s' needs --start YYYY-MM-DD", command.c_str());
}

std::string startNotDate(const std::string& text) {
    return formatText("--start wants a date YYYY-MM-DD, not '%s'", text.c_str());
}

std::string yearsOutOfRange(const std::string& text) {
    return formatText("--years wants a number of years from 1 to 8, not '%s'", text.c_str());
}

std::string formatUnknown(const std::string& format) {
    return formatText("--format is text or json, not '%s'", format.c_str());
}

std::string budgetFormatUnknown(const std::string& format) {
    return formatUnknown(format);
}

std::string versionNotNumber(const std::string& text) {
    return formatText("--version needs a version number (1, 2, ...), not '%s'", text.c_str());
}

std::string versionOfOtherStatus(int version, const std::string& job, const std::string& ctn,
                                 const std::string& stored, const std::string& asked) {
    return formatText("version %d of Job '%s', CTN '%s' is a \"%s\" device, not \"%s\"", version, job.c_str(),
                      ctn.c_str(), stored.c_str(), asked.c_str());
}

std::string simulateFormatUnknown(const std::string& format) {
    return formatText("--format is csv or json, not '%s'", format.c_str());
}

std::string chartOutputUnknown(const std::string& file) {
    return formatText("-o wants a file ending .png, .pdf, .svg or .json, not '%s'", file.c_str());
}

std::string viewStartNotDate(const std::string& text) {
    return formatText("--view-start wants a date YYYY-MM-DD, not '%s'", text.c_str());
}

std::string viewStartPastClock(const std::string& text, const std::string& latest) {
    return formatText(
        "--view-start %s is too late: the chart's view must end by 2106-02-07, the last date the collar's clock "
        "can hold; the latest view start is %s",
        text.c_str(), latest.c_str());
}

std::string zoomUnknown(const std::string& text) {
    return formatText("--zoom is 0, 1 or 2, not '%s'", text.c_str());
}

std::string sizeUnknown(const std::string& text) {
    return formatText("--size wants WIDTHxHEIGHT, each from 100 to 10000, not '%s'", text.c_str());
}

std::string chartNotWritten(const std::string& file) {
    return formatText("Could not write the chart to '%s'.", file.c_str());
}

}  // namespace orv::clitext
