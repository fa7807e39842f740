#pragma once

#include "cli.h"
#include "db/parameter_db.h"

namespace orv::cli {

// orvctl db export --format csv [--columns KEY,KEY[S],...] [--delimiter C] -o FILE:
// every stored device of db as a row of a CSV file.
int exportDevicesCsv(Session& session, const Args& args, ParameterDb& db);

}  // namespace orv::cli
