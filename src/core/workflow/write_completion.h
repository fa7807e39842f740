#pragma once

// The save as "Programmed" that follows a successful Write Device, for every
// front end (the rest of the completion is completeWrite, write_sequence).

#include <ctime>
#include <string>

namespace orv {

class ParameterDb;
struct ParameterRecord;

// The record becomes "Programmed" by its user at when and is saved under job
// and ctn. 0 saved; 1 when the save failed or its overwrite was declined.
int saveProgrammed(ParameterRecord& record, ParameterDb& db, const std::string& job, const std::string& ctn,
                   std::time_t when);

}  // namespace orv
