// orvctl layout --firmware VERSION: the firmware's memory layouts as a table
// (offset, width, bits, parameter).

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "image/layout_text.h"

namespace orv::cli {

namespace {

int runLayout(Session&, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("layout", args.positional[0]));
    const auto version = args.value("firmware");
    if (!version) return usageError(clitext::kLayoutNeedsFirmware);
    const auto text = layoutText(*version);
    if (!text) {
        reportFailure(clitext::firmwareNotSupported(*version));
        return kExitFailed;
    }
    std::fputs(text->c_str(), stdout);
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("layout", runLayout, {});

}  // namespace orv::cli
