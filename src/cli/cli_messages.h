#pragma once

#include <string>
#include <string_view>

#include "workflow/workflow_messages.h"

// The texts orvctl writes of its own: the usage errors (printed after
// "orvctl: " with the hint to --help), the failures it reports before or
// beside the core's messages, and its own boxes. Texts that carry an option's
// value, a name or a number are built by the functions below, each from one
// whole text. The help texts live with the commands' help (command_help).

namespace orv::clitext {

// Arguments and options in general.
std::string takesNoArgument(const std::string& command, const std::string& argument);
std::string unknownCommand(const std::string& name, const std::string& nearest);
std::string unknownOption(const std::string& name, const std::string& command, const std::string& nearest);
std::string optionTakesNoValue(const std::string& name);
std::string optionNeedsValue(const std::string& word);
inline constexpr const char* kYesAndNo = "give either --yes or --no, not both";
inline constexpr const char* kOutputNeedsName = "-o needs a file name";
std::string databaseCreated(const std::string& path);

// Configuration sources, --set and --raw.
std::string twoSources(const std::string& first, const std::string& second);
inline constexpr const char* kDbNeedsPath = "--db needs a database file or URI";
inline constexpr const char* kDbNeedsKey = "--db needs --job and --ctn to name the stored device";
inline constexpr const char* kPpfNeedsName = "--ppf needs a file name";
std::string notPpfFile(const std::string& path);
std::string malformedRaw(const std::string& assignment);
std::string unknownRawParameter(const std::string& name);
std::string rawNeedsNumber(const std::string& name, const std::string& text);
std::string malformedSet(const std::string& assignment);
std::string unknownSetParameter(const std::string& name);
std::string notAChoice(const std::string& text, std::string_view field);
std::string cannotEnter(std::string_view field);
std::string cannotChangeAtLevel(const std::string& how, std::string_view field, const std::string& level,
                                const std::string& user);
std::string resetLabelUnknown(const std::string& label, const std::string& validLabels);
// Sources named by one word (diff, image --from), the differences, --bin.
std::string sourceUnknown(const std::string& text);
std::string dbSourceNeedsDb(const std::string& text);
std::string sourceUnreadable(const std::string& text);
inline constexpr const char* kDiffNeedsTwo =
    "'diff' needs OLD and NEW, each FILE.ppf, device:PORT, db:JOB,CTN,STATUS or defaults";
std::string diffTakesNoSourceOption(const std::string& option);
inline constexpr const char* kAllOnlyWithCheck = "--all goes with 'device check' and 'db check'";
inline constexpr const char* kBinNeedsName = "--bin needs an image file name";
inline constexpr const char* kBinNeedsFirmware =
    "--bin needs --firmware VERSION: the image does not say which firmware wrote it";
std::string binUnreadable(const std::string& path);
std::string binWrongSize(const std::string& path, std::size_t size, const std::string& version,
                         std::size_t expected);
inline constexpr const char* kFromTakesDevice =
    "--from takes device:PORT (files and stored devices: --ppf, --db)";
inline constexpr const char* kFromAndSource = "--from reads the collar: give no other configuration source";
inline constexpr const char* kCompletionsNeedsWhat =
    "'completions' takes commands, options COMMAND, firmware or keys";

// Logging in and the users.
inline constexpr const char* kUserNeedsName = "--user needs a name";
inline constexpr const char* kPasswordOptionDeprecated =
    "Warning: --password is deprecated: other users of this computer can read it; set ORV_PASSWORD or type it when asked.\n";
std::string passwordPrompt(const std::string& user);
inline constexpr const char* kServicePasswordPrompt = "New service account password: ";
std::string loginNeedsPassword(const std::string& user, const char* variable = "ORV_PASSWORD");
std::string levelNeedsPassword(const std::string& level);
inline constexpr const char* kServiceAccountNeedsPassword =
    "The service account needs a password: set ORV_PASSWORD or run orvctl on a terminal.";
inline constexpr const char* kServicePasswordSet =
    "The service account's password has been set; the account is enabled.";
inline constexpr const char* kUsersNeedsAction =
    "'users' needs one of list, add, delete, passwd, service-password";
inline constexpr const char* kUsersNeedsPwdb = "'users' needs --pwdb PATH";
std::string unknownUsersAction(const std::string& action);
std::string usersActionNeedsUser(const std::string& action);
std::string unknownLevel(const std::string& level);
std::string userLevelUnknown(const std::string& user);
// Maintaining the user list, as the window's "Maintain User List", takes an Engineer.
std::string usersNeedsEngineer(const std::string& action);
std::string usersRefusedForLevel(const std::string& action, const std::string& user,
                                 const std::string& level);
std::string firstEngineerAdded(const std::string& user);
inline constexpr const char* kFirstUserMustBeEngineer =
    "The password database holds no user yet: its first user, added without a login, must be an Engineer.";
std::string oldPasswordPrompt(const std::string& user);
std::string oldPasswordNeeded(const std::string& user);
// --raw is for tests and repairs.
std::string rawNeedsEngineer(const std::string& user, const std::string& level);

// The database commands.
inline constexpr const char* kDbNeedsAction =
    "'db' needs one of list, save, read, check, delete, rename, copy, history, restore";
inline constexpr const char* kDbCommandNeedsPath = "'db' needs --db PATH";
std::string unknownDbAction(const std::string& action);
std::string dbActionNeedsKey(const std::string& action);
inline constexpr const char* kRenameNeedsJobs = "'db rename' needs --job and --new-job";
inline constexpr const char* kCopyNeedsTarget = "'db copy' needs --to PATH2";
inline constexpr const char* kRestoreNeedsVersion = "'db restore' needs --version N";
std::string versionNotNumber(const std::string& text);
std::string versionOfOtherStatus(int version, const std::string& job, const std::string& ctn,
                                 const std::string& stored, const std::string& asked);
// --format of a command that prints text or JSON.
std::string formatUnknown(const std::string& format);
inline constexpr const char* kSameAsDatabase = wftext::kRecordMatches;
std::string deviceDeleted(const std::string& job, const std::string& ctn, const std::string& status);
std::string deviceNotInDatabase(const std::string& job, const std::string& ctn, const std::string& status);
std::string statusUnknown(const std::string& status);
std::string editRefusedForJob(const std::string& action, const std::string& user, const std::string& level,
                              const std::string& job);
std::string editRefusedForStatus(const std::string& action, const std::string& user, const std::string& level,
                                 const std::string& status);
// A main-window button the level does not have; what it would do is one of the k...Action texts.
std::string controlRefused(const std::string& command, const std::string& user, const std::string& level,
                           const std::string& action);
inline constexpr const char* kShutdownAction = "shut a collar down";
inline constexpr const char* kReadFactoryAction = "read the factory parameters";
inline constexpr const char* kProgramFactoryAction = "program the factory parameters";
inline constexpr const char* kChangeJobAction = "change a Job number";
inline constexpr const char* kChangeCtnAction = "change a CTN number";
std::string cannotSignOff(const std::string& user, const std::string& level);
inline constexpr const char* kSignOffWithStatus =
    "--sign-off goes with --status \"Working\" or \"Coord. Signoff\"";
inline constexpr const char* kNothingSavedAsProgrammed =
    "db save: nothing saved (--yes saves it as \"Programmed\").";

// The device commands and the batch.
inline constexpr const char* kDeviceNeedsOperation =
    "'device' needs one of firmware, read, check, write, shutdown, read-factory, write-factory";
std::string unknownDeviceOperation(const std::string& operation);
std::string deviceNeedsPort(const std::string& operation);
inline constexpr const char* kJsonAndOutputWithRead =
    "--json and -o go with 'device read' and 'device read-factory'";
std::string onlyWithWrite(const char* option);
std::string alwaysSavesProgrammed(const std::string& user, const std::string& level);
std::string baudNotPositive(const std::string& text);
std::string parityUnknown(const std::string& text);
std::string dataBitsUnknown(const std::string& text);
std::string stopBitsUnknown(const std::string& text);
std::string timeoutNotPositive(const std::string& text);
std::string traceNotOpened(const std::string& path, const std::string& reason);
std::string activityCheckFailed(const std::string& where);
std::string zeroPttIdRefused(const std::string& where, long long rootId);
inline constexpr const char* kBatchNeedsManifest = "'batch' needs --manifest FILE.csv";
inline constexpr const char* kBatchNeedsUser = "'batch' needs --user NAME: who programs the collars";
inline constexpr const char* kBatchTimeoutNotPositive = "--timeout needs a positive number of seconds";
std::string manifestUnreadable(const std::string& path);
std::string manifestProblem(const std::string& path, const std::string& problem);
std::string manifestLineProblem(const std::string& path, int line, const std::string& problem);
std::string portNotSerial(const std::string& port);
std::string deviceNotStored(const std::string& job, const std::string& ctn, const std::string& status,
                            const std::string& database);

// Files, the image, the layout and the reports.
inline constexpr const char* kExportNeedsOutput = "'export-ppf' needs -o FILE";
inline constexpr const char* kFirmwareUnknownNotExported = wftext::kExportFirmwareUnknown;
inline constexpr const char* kImageNeedsOutput = "'image' needs -o FILE";
inline constexpr const char* kImageFromDeviceOnly = "'image --from' takes device:PORT";
std::string cannotWrite(const std::string& path);
// What a command printed could not all be written to its standard output (reason: "" when unknown).
std::string outputNotWritten(const std::string& reason);
inline constexpr const char* kLayoutNeedsFirmware = "'layout' needs --firmware VERSION";
std::string firmwareNotSupported(const std::string& version);
inline constexpr const char* kPrintNeedsReport = "'print' needs --report spr or --report simulation";
inline constexpr const char* kPrintNeedsTarget = "'print' needs either --printer NAME or -o FILE.pdf";
inline constexpr const char* kPrinterNeedsName = "--printer needs a queue name";

// The simulation, the budget and the chart.
std::string needsStart(const std::string& command);
std::string startNotDate(const std::string& text);
std::string yearsOutOfRange(const std::string& text);
std::string budgetFormatUnknown(const std::string& format);
std::string simulateFormatUnknown(const std::string& format);
inline constexpr const char* kChartNeedsOutput = "'chart' needs -o FILE (.png, .pdf, .svg or .json)";
std::string chartOutputUnknown(const std::string& file);
std::string viewStartNotDate(const std::string& text);
std::string viewStartPastClock(const std::string& text, const std::string& latest);
std::string zoomUnknown(const std::string& text);
std::string sizeUnknown(const std::string& text);
std::string chartNotWritten(const std::string& file);

}  // namespace orv::clitext
