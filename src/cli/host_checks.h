#pragma once

// What orvctl sees of this computer for the check and the support bundle: the
// window's profile (its COM slots, its serial trace), the print server and Qt's
// platform plugins.

#include <string>
#include <vector>

#include "support/doctor.h"

namespace orv::cli {

// The computer check of the current folder (orvctl's data folder) with the
// profile's COM slots and the named ports.
std::vector<DoctorCheck> checkThisComputer(const std::vector<std::string>& ports);

// The profile's file, and the serial trace file it names.
std::string profileFile();
std::string profileTraceFile();

}  // namespace orv::cli
