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

// A button of the window (its control row) that the user's level hides or
// disables: the orvctl command doing what it does is refused as well, with
// kExitUsage after a message naming the user, the level and what (the action).
int checkControl(const Session& session, int controlRow, const std::string& command, const std::string& what);

// The window's Save and Delete buttons for the logged-in user: kExitOk when the
// user may save or delete (action) a device of this status and Job; otherwise
// kExitUsage after a message naming the user, the level and what is refused.
int checkDatabaseEdit(const Session& session, const std::string& action, const std::string& status,
                      const std::string& job);

}  // namespace orv::cli
