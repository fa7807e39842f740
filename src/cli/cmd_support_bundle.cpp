// orvctl support-bundle -o FILE.tar.gz: one file for a support request (see
// support/support_bundle.h for what it holds and what it never holds).

#include <cstdio>
#include <filesystem>

#include "cli.h"
#include "cli_messages.h"
#include "host_checks.h"
#include "support/support_bundle.h"
#include "support/support_messages.h"

namespace orv::cli {

namespace {

int runSupportBundle(Session&, const Args& args) {
    if (!args.positional.empty())
        return usageError(clitext::takesNoArgument("support-bundle", args.positional[0]));
    const auto output = args.value("o");
    if (!output || output->empty()) return usageError(clitext::kOutputNeedsName);
    BundleSources sources;
    sources.version = "Orv " ORV_VERSION " (build " ORV_BUILD ")";
    sources.doctorReport = doctorText(checkThisComputer({}));
    sources.dataFolder = std::filesystem::current_path().string();
    sources.profileFile = profileFile();
    sources.traceFile = profileTraceFile();
    if (const std::string reason = writeSupportBundle(*output, sources); !reason.empty()) {
        reportFailure(doctortext::bundleFailed(*output, reason));
        return kExitFailed;
    }
    std::fprintf(stderr, "%s\n", doctortext::bundleWritten(*output).c_str());
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("support-bundle", runSupportBundle, {"o"});

}  // namespace orv::cli
