#pragma once

#include <string>

// The texts of the database operations. Engine failures are one of the
// "... -- Exception: " texts followed by the engine's description.

namespace orv::dbtext {

// Access layer.
inline constexpr const char* kCreateDatabaseFailed = "Couldn't create database -- Exception: ";
inline constexpr const char* kCreateDatabaseMemory = "Failed to create database -- Memory exception thrown.";
inline constexpr const char* kOpenDatabaseFailed = "Couldn't open database -- Exception: ";
inline constexpr const char* kOpenDatabaseMemory = "Failed to open database -- Memory exception thrown.";
inline constexpr const char* kTableExists = "A table by that name already exists.";
inline constexpr const char* kCreateTableFailed = "Couldn't create tabledef -- Exception: ";
inline constexpr const char* kCreateTableMemory = "Failed to create tabledef -- Memory exception thrown.";
inline constexpr const char* kAppendTableFailed = "Couldn't append TableDef -- Exception: ";
inline constexpr const char* kAppendTableMemory = "Failed to append tabledef -- Memory exception thrown.";
inline constexpr const char* kOpenTableFailed = "Couldn't open tabledef -- Exception: ";
inline constexpr const char* kOpenTableMemory = "Failed to open tabledef -- Memory exception thrown.";
inline constexpr const char* kFieldExists = "A field by that name already exists.";
inline constexpr const char* kCreateFieldFailed = "Couldn't create field -- Exception: ";
inline constexpr const char* kCreateFieldMemory = "Failed to create field -- Memory exception thrown.";
inline constexpr const char* kFieldInfoFailed = "Couldn't get information on field -- Exception: ";
inline constexpr const char* kFieldInfoMemory = "Failed to get info on field -- Memory exception thrown.";
inline constexpr const char* kIndexExists = "A Index by that name already exists.";
inline constexpr const char* kCreateIndexFailed = "Couldn't create Index -- Exception: ";
inline constexpr const char* kCreateIndexMemory = "Failed to create Index -- Memory exception thrown.";

// Engine failures inside the operations.
inline constexpr const char* kSaveFailed = "Couldn't save database -- Exception: ";
inline constexpr const char* kReadFailed = "Couldn't read database -- Exception: ";
inline constexpr const char* kDeleteFailed = "Couldn't delete from database -- Exception: ";
inline constexpr const char* kRenameFailed = "Couldn't rename device in database -- Exception: ";

// An existing file that lacks the tables of the database it was opened as.
inline constexpr const char* kNotParameterDatabase = "not a parameter database: the tables are missing";
inline constexpr const char* kNotPasswordDatabase = "not a password database: the table is missing";

// Both databases.
inline constexpr const char* kOfferCreate =
    "The database - '%s' - could not be opened.\nDo you want to create it?";

// Parameter database.
inline constexpr const char* kSaveKeyMissing =
    "The Job number, the CTN/Sequence number and the Device Status\nmust all have data to save a device in the database.  The device\nwas NOT saved.";
inline constexpr const char* kOverwriteDevice =
    "There is already a record in the database with Job number: '%s',\nCTN number: '%s' and Device Status: '%s'.  Do you want to \noverwrite it?";
inline constexpr const char* kDeviceNotSaved = "The device was NOT saved to the database.";
inline constexpr const char* kDeviceNotFound =
    "Could not find Job number: '%s', CTN number: '%s', Status: '%s'\nin the database.";
inline constexpr const char* kSeveralDevices =
    "There is more than one record in database '%s' with\nJob number: '%s', CTN number: '%s' and Status: '%s'.\n"
    "Only one record can be accessed.  The database should be\ninspected and bad data should be removed.";
inline constexpr const char* kGeneralMismatch =
    "The current screen data does NOT match the database. The first detected error\nwas: the '%s' field has '%s' in the database and '%s' on the screen.";
inline constexpr const char* kSeveralSeasons =
    "There is more than one season record in database '%s' with\nJob number: '%s' and CTN number: '%s' and Season number '%d'.  Only one record\ncan be accessed.  The database should be inspected and bad\ndata should be removed.";
inline constexpr const char* kNoSeason =
    "There is no season record in the database with Job number: '%s'\nand CTN number: '%s' and Season number '%d'.\n\nThe database read has failed -- delete and recreate the device.";
inline constexpr const char* kSeasonMismatch =
    "The current screen data does NOT match the database. The first detected error\nwas: the '%s' field in season %d has '%s' in the database and '%s' on the screen.";
inline constexpr const char* kRenameTargetExists =
    "There are already records in the database with Job number: '%s',\nand CTN number: '%s'.  They must be deleted or renamed before\nother devices can be renamed to those Job and CTN numbers.";
// A rename that found no records of the Job (and the CTN, when one is given).
std::string renameSourceMissing(const std::string& job, const std::string& ctn);
// The device history.
inline constexpr const char* kVersionNotFound =
    "Could not find version %d of Job number: '%s', CTN number: '%s'\nin the history of the database.";
inline constexpr const char* kVersionUnreadable =
    "Version %d of Job number: '%s', CTN number: '%s' was stored by\nanother version of the program and cannot be read.";

// Password database.
inline constexpr const char* kSeveralUsers =
    "There is more than one record in the password database for\nuser '%s'.  Only one record can be accessed.  The database\nshould be inspected and bad data should be removed.";
inline constexpr const char* kOfferNewUser =
    "There is no record in the database for user '%s'.\nDo you want to create a new user?";
inline constexpr const char* kUserNotSaved = "The user was NOT saved to the database.";
inline constexpr const char* kNewUserFailed = "Was unable to create the new user";
// The password is not part of this text: it is never shown or logged.
inline constexpr const char* kNewUserCreated =
    "OK, created a new user with device with user name '%s', access level '%s'";
inline constexpr const char* kUserNameMissing =
    "The User Name must have data to save a user to\nthe password list.  The user was NOT saved.";
inline constexpr const char* kOverwriteUser =
    "There is already a user in the list with name: '%s'\nDo you want to overwrite it?";

// The login, change-password and maintenance dialogs.
inline constexpr const char* kIncorrectPassword = "Incorrect password, please try again.";
inline constexpr const char* kUserNotInList =
    "Could not find the user name in the password list.  Create the user\nbefore trying to change the password";
inline constexpr const char* kOldPasswordWrong = "The Old Password is incorrect, please try again.";
inline constexpr const char* kRepeatMismatch =
    "The New Password does not match the repeat check, please try again.";
inline constexpr const char* kPasswordChanged = "The Password has been changed.";
inline constexpr const char* kConfirmDeleteUser =
    "Are you sure that you want to delete '%s' from the\npassword list?";
inline constexpr const char* kUserDeleted = "'%s' has been deleted from the password list.";
inline constexpr const char* kUserNotDeleted = "'%s' was NOT deleted from the password list.";
inline constexpr const char* kConfirmClearPassword = "Are you sure you want to clear the password for '%s'?";
inline constexpr const char* kPasswordCleared = "The password for '%s' has been cleared to ''";
inline constexpr const char* kPasswordNotCleared = "The password for '%s' has NOT been changed";

}  // namespace orv::dbtext
