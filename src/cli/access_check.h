#pragma once

// The access masks in orvctl as in the window: what the logged-in user may not
// see or change on the pages, orvctl does not change for them either.

#include <string>

#include "cli.h"

namespace orv::cli {

// kExitOk when the user may change the parameter (its control shown and
// enabled for their level); otherwise kExitUsage after a message naming the
// parameter and the level. how: the option that asked ("--set", "--reset X").
int checkEditable(const Session& session, DefinitionTable table, int row, const std::string& how);

// After a change to the record from before: the first parameter it changed that
// the user may not change, refused as above (the record is then put back).
int checkChangesAllowed(Session& session, const ParameterRecord& before, const std::string& how);

}  // namespace orv::cli
