#pragma once

// The fixed texts of the main window's workflows, the write completion, the
// archive files and the tabs. Texts with %s or %d are formats for the
// MessageLog, checked at compile time where they are used.
//
// Some texts keep the spellings the collar's users have known for years
// ("has has", "Programmmed"); they are deliberate, marked where they occur,
// and must not be corrected.

namespace orv::wftext {

// Identity area.
inline constexpr const char* kKeyChangedQuestion =
    "The Job Number and/or a CTN/sequence number have changed.\nDo you want to read the device from the database?";
inline constexpr const char* kKeyReadFailed = "Did not read the device correctly from the database.";
inline constexpr const char* kRenameNeedsNames =  // %s: the caption of the new name's field
    "The current Job Number and CTN number and the '%s' fields\nmust all have data when changing the device name in the database.\n\nThe device has NOT been changed.";
inline constexpr const char* kCurrentJobCaption = "Current Job Number";
inline constexpr const char* kNewJobCaption = "New Job Number";
inline constexpr const char* kCurrentCtnCaption = "Current CTN/Sequence Number";
inline constexpr const char* kNewCtnCaption = "New CTN/Sequence Number";
inline constexpr const char* kNoTabsMessage =
    "Orv didn't find any tabs to display -- the configuration\nfile is incorrect.\n\nContact Halvorn support for help.";

// Database group.
inline constexpr const char* kSignOffQuestion =  // %s: the user
    "Do you want to change the device status to 'Coord. Signoff' with\n'%s' as the saved coordinator?";
inline constexpr const char* kMarkProgrammedQuestion =  // %s: the user
    "Do you want to save the record to 'Programmed' with\n'%s' as the saved programmer?";
inline constexpr const char* kPrintSignoffQuestion =
    "Do you want to print a 'COORDINATOR SIGNOFF' SPR Report?";
// Deliberate: "has has" and "sure want" are the words the users know.
inline constexpr const char* kReadQuestion =
    "Some data has has been changed on the screen -- reading from the\ndatabase now will destroy those changes.\nAre you sure want to continue?";
inline constexpr const char* kRecordMatches =
    "The screen information is the same as the data in the database.";
inline constexpr const char* kDeleteQuestion =  // %s: Job, CTN, status
    "Are you sure you want to delete Job #: '%s', Ctn #: '%s'\nStatus: '%s' from the database?";
inline constexpr const char* kNotDeleted = "The device was NOT deleted from the database.";
inline constexpr const char* kDeleteNotFound =  // %s: Job, CTN, status
    "Job #: '%s', Ctn #: '%s', Status: '%s' was not found in the database";
inline constexpr const char* kDeleted =  // %s: Job, CTN, status
    "Job #: '%s', Ctn #: '%s', Status: '%s' has been deleted from the database";
inline constexpr const char* kDefaultsQuestion =
    "Data has been changed on the screen since the device was last saved\nto the database.  Setting default values could destroy those changes.\nAre you sure you want to continue?";
inline constexpr const char* kExitSaveQuestion =
    "Screen data has not been saved to the database.\nDo you want to save the data?\n\n'Yes' will save the data and exit the application.\n'No' will exit without saving the data.\n'Cancel' will return to the application.";
inline constexpr const char* kExitQuestion = "Are you really sure you want to exit the application?";
// The History window.
inline constexpr const char* kRestoreNotAllowed =  // %d: the version; %s: its status, the user's level
    "Version %d is a '%s' device, which the '%s' level may not save.\nThe version was NOT restored.";
inline constexpr const char* kHistoryNeedsDevice =
    "The Job number and the CTN/Sequence number must both have data\nto show the history of a device.";
inline constexpr const char* kHistoryTitle = "History of Job '%s', CTN '%s'";  // %s: Job, CTN
inline constexpr const char* kHistoryDifferences = "Version %d to version %d:";
inline constexpr const char* kHistorySame = "Version %d and version %d are the same.";

// Write Device.
inline constexpr const char* kActivityIntervalTooLong =
    "The Activity Data Collection Interval is greater than one\nof the GPS Position Fix Intervals.  This is an invalid\ncondition that must be corrected before proceeding!\n\nThe device has NOT been programmed.";
inline constexpr const char* kUserNeededToProgram =
    "Users must identify themselves to program devices.  To proceed, select the 'Login'\nbutton at the upper right corner of the Configuration Utility window.  You do not\nneed a password to 'Login'.\n\nThe device has NOT been programmed.";
// Deliberate: "Programmmed" with three m is the word the users know.
inline constexpr const char* kSaveAfterProgrammingQuestion =  // %s: the user
    "Do you want to save the device as 'Programmmed' with\n'%s' as the 'Programmed By' entry?\n\nNo means program the device without saving.";
inline constexpr const char* kSavedAfterProgrammingQuestion =  // %s: the user
    "After programming, the configuration will be saved to the database\nwith '%s' as the 'Programmed By' entry.\n\nDo you want to continue?";
inline constexpr const char* kNotProgrammed = "The device was NOT programmed.";
inline constexpr const char* kZeroPttIdQuestion =
    "The 'Assigned PTT ID code' is currently zero!  The PTT ID code\nthat will be programmed is shown in the 'Programmed ID Code' box\ndisplayed on the 'Transmitter' tab.\n\nAre you sure you want to continue?";
inline constexpr const char* kProgramQuestion =
    "Programming the device will replace the configuration\nnow in the device.\n\nAre you sure you want to continue?";
inline constexpr const char* kPrintProgrammingQuestion =
    "Do you want to print a 'DEVICE PROGRAMMING' SPR Report?";
inline constexpr const char* kRestartWarning =
    "IMPORTANT!! After programming, the GPS System must be restarted by applying the\nmagnet to the case for at least 40 seconds or by disconnecting the power temporarily.\n\nIF THE GPS SYSTEM IS NOT RESTARTED, NO DATA WILL BE RECORDED!!";

// The archive files of a programmed collar.
inline constexpr const char* kArchiveNotDirectory =  // %s: the archive path
    "Could not save the SPR and BIN files because\n%s is not a directory.";
inline constexpr const char* kArchiveMissing =  // %s: the archive path
    "Could not save the SPR and BIN files because\ndirectory %s does not exist.";
inline constexpr const char* kArchiveNoCtn =  // %s: the path with the base name
    "No CTN number.  Using '%s' as the base filename\nfor the SPR and BIN files.";
inline constexpr const char* kArchiveCtnCut =  // %s: the CTN, the base name
    "Ctn Number: '%s' is longer than 8 characters.  The base filename\nfor the SPR and BIN files will be truncated to '%s'.";
inline constexpr const char* kArchiveNameTaken =  // %s: the path with the base name taken, the new base name
    "The SPR and BIN files '%s' belong to another collar and are kept.\nThis collar's files are named '%s' instead.";
inline constexpr const char* kArchiveNamesTaken =  // %s: the path with the base name
    "Could not save the SPR and BIN files: '%s' and every numbered name after it\nbelong to other collars.";
inline constexpr const char* kBinNotWritten =  // %s: the .bin path
    "Could not open '%s' for writing.\nThe output file was NOT created!";

// The changes shown before Write Device, and its setting in "COM Port Parameters".
inline constexpr const char* kChangesTitle = "Changes to be written";
inline constexpr const char* kChangesHeading =
    "Writing replaces what the collar holds now. These values will change:";
inline constexpr const char* kNoChanges = "The collar already holds this configuration; nothing will change.";
inline constexpr const char* kCollarNotDecoded =
    "What the collar holds is no configuration of this firmware; all of it will be replaced.";
inline constexpr const char* kWriteButton = "Write";
inline constexpr const char* kWriteChangesQuestion = "Write these changes to the collar?";
inline constexpr const char* kShowChangesBox = "Show changes before writing";

// Shut-down, device check, firmware query, export.
inline constexpr const char* kShutdownWarning =
    "The System has been successfully shut down and may be stored without a shutdown\n  magnet being placed next to the unit!\n\nIMPORTANT!! After System Shutdown, the GPS System must be restarted by applying the\n  magnet to the case for at least 40 seconds or by disconnecting the power temporarily.\n\nIF THE GPS SYSTEM IS NOT RESTARTED, NO DATA WILL BE RECORDED!!";
inline constexpr const char* kDeviceMatchesMessage =
    "The screen information is the same as the data in the device.";
inline constexpr const char* kDeviceCheckCaption = "Gps System Check";
inline constexpr const char* kFirmwareNotSupported =  // %s: the collar's version
    "The GPS system firmware version ('%s') is not supported.\nThe firmware version was NOT set correctly.\n\nContact Halvorn support to get a Orv upgrade.\n";
inline constexpr const char* kFirmwareSet =  // %s: the version
    "OK, the firmware version is now set correctly to '%s'.";
inline constexpr const char* kExportFirmwareUnknown =
    "The programmed Firmware is not known.  To proceed, either select the correct firmware\n  from the dropdown box, or connect to the GPS system and click on the 'Firmware' button to\n    read the programmed firmware from the GPS system!\n\n      No File has been exported!";

}  // namespace orv::wftext
