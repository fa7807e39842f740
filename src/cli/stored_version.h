#pragma once

// --version N beside --db, --job and --ctn: one version of a stored device from
// the device history, in place of the device as it is stored now.

#include <string>

#include "cli.h"
#include "db/parameter_db.h"

namespace orv::cli {

// Loads version --version of Job/CTN into the database's record; a --status
// given must be the version's. Returns an exit status (the failure told).
int loadStoredVersion(ParameterDb& db, const Args& args, const std::string& job, const std::string& ctn,
                      DeviceVersion& found);

}  // namespace orv::cli
