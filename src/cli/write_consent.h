#pragma once

// The Write Device confirmations in orvctl, before any traffic: the window's
// (write_confirmations), answered from the command line. The save as
// "Programmed" is decided by the options, the replacement is not asked, and
// the question on an assigned PTT ID code of zero only --allow-zero-ptt-id
// answers Yes (--yes does not: a collar sending the wrong ID loses a
// deployment's data).

#include <string>

#include "cli.h"
#include "workflow/write_confirmations.h"

namespace orv::cli {

// kExitOk when the record may be programmed (plan says how: the save, the
// root ID for a zero PTT ID code). Otherwise kExitFailed after the messages;
// where names the command or manifest line.
int confirmWrite(Session& session, const ParameterRecord& record, const Args& args, const std::string& where,
                 bool saveAfterProgramming, WritePlan& plan);

}  // namespace orv::cli
