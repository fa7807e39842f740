// --ppf FILE: the configuration of a .ppf file, imported and decoded (load
// mode, the factory image too for the N4 and DS families) as the window's
// Import does.

#include "cli.h"
#include "cli_messages.h"
#include "files/ppf_file.h"
#include "image/firmware_selection.h"

namespace orv::cli {

namespace {

int loadPpf(Session& session, const Args& args) {
    const std::string path = args.value("ppf").value_or("");
    if (path.empty()) return usageError(clitext::kPpfNeedsName);
    // The combo box starts at the configuration's firmware; the file's version
    // replaces it (with the window's notice) when they differ.
    RecordFirmwareSelection selection(session.record);
    PpfImages images;
    const ImageResult rc = importPpf(session.record, path, selection, session.log, images);
    if (rc == ImageResult::NotPpfFile) reportFailure(clitext::notPpfFile(path));
    if (rc != ImageResult::Ok) return kExitFailed;
    return decodePpfImages(session.record, images, session.log) == ImageResult::Ok ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_SOURCE("ppf", loadPpf);

}  // namespace orv::cli
