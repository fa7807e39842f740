#pragma once

#include <memory>

#include "cli.h"
#include "device/serial_trace.h"

namespace orv::cli {

// --trace FILE: a new serial trace file for this run. Opened before any byte
// goes to a collar; a file that cannot be opened is said and gives
// kExitFailed in status. Without --trace: nullptr and kExitOk.
std::shared_ptr<SerialTrace> openTraceOption(const Args& args, int& status);

}  // namespace orv::cli
