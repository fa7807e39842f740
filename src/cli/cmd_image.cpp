// orvctl image -o FILE: the configuration memory image for the selected
// firmware, byte for byte as programming writes it (the .bin archive bytes).

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "files/ppf_file.h"

namespace orv::cli {

namespace {

int runImage(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("image", args.positional[0]));
    const std::string file = args.value("o").value_or("");
    if (file.empty()) return usageError(clitext::kImageNeedsOutput);
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    MemoryImage image;
    if (const ImageResult rc = buildImage(session.record, image); rc != ImageResult::Ok) {
        reportExportFailure(rc, session.record, session.log);
        return kExitFailed;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!replaceFile(file, bytes, ".binXXXXXX")) {
        reportFailure(clitext::cannotWrite(file));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("image", runImage, {"o"});

}  // namespace orv::cli
