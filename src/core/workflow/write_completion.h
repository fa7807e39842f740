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
