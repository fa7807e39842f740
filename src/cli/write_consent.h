#pragma once

// The Write Device confirmations in orvctl, before any traffic: the activity
// check (no override: the configuration must be corrected) and the question on
// an assigned PTT ID code of zero, which only --allow-zero-ptt-id answers Yes
// (--yes does not: a collar sending the wrong ID loses a deployment's data).

#include <string>

#include "cli.h"

namespace orv::cli {

// kExitOk when the record may be programmed; rootIdFlag then says whether the
// collar gets the root ID for a zero PTT ID code, as in the window. Otherwise
// kExitFailed after the messages; where names the command or manifest line.
int confirmWrite(Session& session, const ParameterRecord& record, const Args& args, const std::string& where,
                 bool& rootIdFlag);

}  // namespace orv::cli
