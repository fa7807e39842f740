#pragma once

// The texts of the computer check and the support bundle: what each check
// found and the one line that says how to mend it.

#include <string>

namespace orv::doctortext {

std::string summary(int warnings, int failures);

// The data folder and the settings file.
std::string folderName(const std::string& folder);
inline constexpr const char* kFolderWritable = "exists and is writable";
inline constexpr const char* kFolderMissing = "does not exist";
std::string folderMissingFix(const std::string& folder);
std::string folderNotWritable(const std::string& reason);
std::string folderNotWritableFix(const std::string& folder);
std::string settingsName(const std::string& file);
inline constexpr const char* kSettingsAbsent =
    "not found: every setting takes its default, and the program writes the file when it starts";
inline constexpr const char* kSettingsAbsentFix = "start Orv once, or run: orvctl show --write-settings";
inline constexpr const char* kSettingsUnreadable = "cannot be read";
inline constexpr const char* kSettingsNotWritable = "cannot be written (the program keeps its choices in it)";
std::string settingsAccessFix(const std::string& file);
inline constexpr const char* kSettingsComplete = "readable and writable; every setting is given";
std::string settingsDefaulted(const std::string& list);
inline constexpr const char* kSettingsDefaultedFix =
    "nothing to do when the defaults suit; otherwise add the settings to Orv3.cfg";

// The databases.
std::string databaseName(const char* which, const std::string& shownPath);
inline constexpr const char* kParameterDatabase = "Parameter database";
inline constexpr const char* kPasswordDatabase = "Password database";
inline constexpr const char* kDatabaseFileAbsent =
    "does not exist yet; the program offers to create it when it opens it";
std::string databaseFileAbsentFix(const char* settingKey);
std::string databaseOpenFailed(const std::string& reason);
std::string serverOpenFailedFix(const char* settingKey);
std::string fileOpenFailedFix(const std::string& path);
std::string databaseTablesMissing(const std::string& tables);
inline constexpr const char* kDatabaseTablesMissingFix =
    "open it with Orv (it asks to create the tables), or point the setting at the team's database";
std::string fileDatabaseOk(const std::string& tables);
std::string serverDatabaseOk(double connectMs, double roundTripMs, const std::string& tables);

// Serial ports.
std::string slotPortName(int slot, const std::string& path);
std::string portName(const std::string& path);
inline constexpr const char* kPortMissing = "no such device";
inline constexpr const char* kPortMissingFix =
    "plug in the serial adapter, or choose its device in \"COM Port Parameters\" (ls /dev/ttyUSB* /dev/ttyACM*)";
inline constexpr const char* kPortNotTerminal = "is not a terminal (not a serial device)";
inline constexpr const char* kPortNotTerminalFix =
    "choose the serial adapter's device, such as /dev/ttyUSB0 or /dev/ttyACM0";
std::string portDenied(const std::string& user, const std::string& group);
std::string portDeniedFix(const std::string& user, const std::string& group);
std::string portOpenFailed(const std::string& reason);
inline constexpr const char* kPortOpenFailedFix = "unplug the adapter and plug it in again";
std::string portHeld(const std::string& holders);
std::string moreHolders(std::size_t count);
std::string portHeldFix(const std::string& name, int pid);
inline constexpr const char* kPortOk = "a serial terminal this user may open, held by no other program";

// Programs that take serial adapters.
inline constexpr const char* kGrabbersName = "ModemManager and brltty";
inline constexpr const char* kGrabbersNone = "neither runs";
std::string grabberRunning(const std::string& name, int pid);
inline constexpr const char* kModemManagerFix =
    "sudo systemctl stop ModemManager (for good: sudo systemctl disable --now ModemManager)";
inline constexpr const char* kBrlttyFix =
    "sudo systemctl disable --now brltty-udev.service brltty.service (or, without a braille display: sudo apt "
    "remove brltty)";

// The print server.
inline constexpr const char* kPrintServerName = "Print server";
inline constexpr const char* kPrintServerFix =
    "start the print server (sudo systemctl start cups) or name it in CUPS_SERVER; \"Save as PDF\" and "
    "\"Print to File\" work without it";
inline constexpr const char* kNoQueues = "answers, but has no print queue";
inline constexpr const char* kNoQueuesFix =
    "add a printer in the system's printer settings (or lpadmin); \"Save as PDF\" works without one";
std::string queuesFound(const std::string& list, const std::string& defaultQueue);

// The display.
inline constexpr const char* kDisplayName = "Display";
std::string windowRuns(const std::string& platform);
inline constexpr const char* kNoDisplay =
    "neither DISPLAY nor WAYLAND_DISPLAY is set: the window cannot open here (orvctl works)";
inline constexpr const char* kNoDisplayFix =
    "start Orv in a desktop session (over ssh: ssh -X), or use orvctl";
std::string displayReady(const std::string& display, const std::string& plugin);
std::string pluginMissing(const std::string& plugin, const std::string& folder);
std::string pluginMissingFix(const std::string& plugin);

// The support bundle.
std::string bundleWritten(const std::string& path);
std::string bundleFailed(const std::string& path, const std::string& reason);

}  // namespace orv::doctortext
