#pragma once

// What follows a successful Write Device, for every front end: the save as
// "Programmed" by the user who programmed the collar, the archive .spr and
// .bin files, and the warning that the collar must be restarted.

#include <cstdint>
#include <ctime>
#include <span>
#include <string>

namespace orv {

class MessageLog;
class ParameterDb;
struct ParameterRecord;

inline constexpr const char* kRestartWarning =
    "IMPORTANT!! After programming, the GPS System must be restarted by applying the\nmagnet to the case "
    "for at least 40 seconds or by disconnecting the power temporarily.\n\nIF THE GPS SYSTEM IS NOT "
    "RESTARTED, NO DATA WILL BE RECORDED!!";

inline constexpr const char* kUserNeededToProgram =
    "Users must identify themselves to program devices.  To proceed, select the 'Login'\nbutton at the "
    "upper right corner of the Configuration Utility window.  You do not\nneed a password to "
    "'Login'.\n\nThe device has NOT been programmed.";

// The record becomes "Programmed" by its user at when and is saved under job
// and ctn. 0 saved; 1 when the save failed or its overwrite was declined.
int saveProgrammed(ParameterRecord& record, ParameterDb& db, const std::string& job, const std::string& ctn,
                   std::time_t when);

// The .spr report and the image under [Files] "Archive Path" of the settings
// file, named from the record's CTN. 0 written or no archive configured; 1 after
// the message why not.
int archiveProgrammed(const ParameterRecord& record, const std::string& settingsFile,
                      std::span<const std::uint8_t> image, MessageLog& log);

}  // namespace orv
