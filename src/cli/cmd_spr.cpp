// orvctl spr: the software programming report text, on stdout (LF line ends)
// or into a file, written as every report file is (CR LF line ends).

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "reports/save_report.h"
#include "reports/spr_text.h"

namespace orv::cli {

namespace {

int runSpr(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("spr", args.positional[0]));
    const auto file = args.value("o");
    if (file && file->empty()) return usageError(clitext::kOutputNeedsName);
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;

    std::string text;
    buildSprText(session.record, args.value("title").value_or(""), text);
    if (!file) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return kExitOk;
    }
    return saveReportText(text, *file, session.log) == kReportSaved ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_COMMAND("spr", runSpr, {"title", "o"});

}  // namespace orv::cli
