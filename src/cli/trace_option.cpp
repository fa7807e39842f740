#include "trace_option.h"

#include <cstdio>
#include <string>

namespace orv::cli {

std::shared_ptr<SerialTrace> openTraceOption(const Args& args, int& status) {
    status = kExitOk;
    const auto path = args.value("trace");
    if (!path) return nullptr;
    std::string error;
    std::shared_ptr<SerialTrace> trace = SerialTrace::open(*path, SerialTrace::Mode::Replace, error);
    if (!trace) {
        std::fprintf(stderr, "orvctl: --trace: cannot open the trace file '%s': %s\n", path->c_str(),
                     error.c_str());
        status = kExitFailed;
    }
    return trace;
}

}  // namespace orv::cli
