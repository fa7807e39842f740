// orvctl layout --firmware VERSION: the firmware's memory layouts as a table
// (offset, width, bits, parameter).

#include <cstdio>

#include "cli.h"
#include "image/layout_text.h"

namespace orv::cli {

namespace {

int runLayout(Session&, const Args& args) {
    if (!args.positional.empty())
        return usageError("'layout' takes no argument '" + args.positional[0] + "'");
    const auto version = args.value("firmware");
    if (!version) return usageError("'layout' needs --firmware VERSION");
    const auto text = layoutText(*version);
    if (!text) {
        std::fprintf(stderr, "orvctl: the firmware version '%s' is not supported\n", version->c_str());
        return kExitFailed;
    }
    std::fputs(text->c_str(), stdout);
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("layout", runLayout, {});

}  // namespace orv::cli
