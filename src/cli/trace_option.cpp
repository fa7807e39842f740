#include "trace_option.h"

#include <string>

#include "cli_messages.h"

namespace orv::cli {

std::shared_ptr<SerialTrace> openTraceOption(const Args& args, int& status) {
    status = kExitOk;
    const auto path = args.value("trace");
    if (!path) return nullptr;
    std::string error;
    std::shared_ptr<SerialTrace> trace = SerialTrace::open(*path, SerialTrace::Mode::Replace, error);
    if (!trace) {
        reportFailure(clitext::traceNotOpened(*path, error));
        status = kExitFailed;
    }
    return trace;
}

}  // namespace orv::cli
