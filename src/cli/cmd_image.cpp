// orvctl image -o FILE: the configuration memory image for the selected
// firmware, byte for byte as programming writes it (the .bin archive bytes).
// --from device:PORT takes the bytes the collar on PORT holds instead, read as
// 'device read' reads them: a copy that '--bin FILE --firmware V' puts back.

#include <cstdio>

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "collar_session.h"
#include "config_source.h"
#include "files/ppf_file.h"
#include "image/firmware_table.h"
#include "model/record.h"
#include "trace_option.h"

namespace orv::cli {

namespace {

int writeImageFile(const std::string& file, const std::vector<std::uint8_t>& image) {
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!replaceFile(file, bytes, ".binXXXXXX")) {
        reportFailure(clitext::cannotWrite(file));
        return kExitFailed;
    }
    return kExitOk;
}

// The collar's configuration memory as it is; the firmware that wrote it is
// printed, for putting it back with --firmware.
int readCollarImage(Session& session, const Args& args, const std::string& port,
                    std::vector<std::uint8_t>& image) {
    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    if (const auto firmware = args.value("firmware"); firmware) {
        if (const int rc = selectFirmware(session, *firmware); rc != kExitOk) return rc;
    }
    int traceStatus = kExitOk;
    const auto trace = openTraceOption(args, traceStatus);
    if (traceStatus != kExitOk) return traceStatus;
    int status = kExitFailed;
    {
        CollarSession collar(session, port, settings, trace);
        if (readConfiguration(collar.context(), collar.progress()) == DeviceResult::Ok) {
            image = collar.context().link.memoryImage;
            status = kExitOk;
        }
        collar.progress().clearLine();
    }
    reportTraceFailure(trace.get(), session.log);
    if (status != kExitOk) return status;
    const int row = findFirmware(session.record.text(StringRow::FenmodFwVer));
    if (row != kFirmwareNotSupported)
        std::printf("Firmware: %s\n", firmwareTable()[static_cast<std::size_t>(row)].version);
    return kExitOk;
}

int runImage(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("image", args.positional[0]));
    const std::string file = args.value("o").value_or("");
    if (file.empty()) return usageError(clitext::kImageNeedsOutput);
    if (const auto from = args.value("from"); from) {
        std::string error;
        const auto wanted = parseSourceSpec(*from, error);
        if (!wanted) return usageError(error);
        if (wanted->kind != SourceSpec::Kind::Device) return usageError(clitext::kImageFromDeviceOnly);
        std::vector<std::uint8_t> image;
        if (const int rc = readCollarImage(session, args, wanted->path, image); rc != kExitOk) return rc;
        return writeImageFile(file, image);
    }
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    MemoryImage image;
    if (const ImageResult rc = buildImage(session.record, image); rc != ImageResult::Ok) {
        reportExportFailure(rc, session.record, session.log);
        return kExitFailed;
    }
    return writeImageFile(file, image);
}

}  // namespace

ORV_CLI_COMMAND("image", runImage, {"o", "from", ORV_CLI_LINE_OPTIONS}, {"single-pin"});

}  // namespace orv::cli
