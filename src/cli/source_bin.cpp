// --bin FILE --firmware VERSION: a configuration image as the archive's .bin
// and the before-copy of a write keep it (the bytes of the collar's
// configuration memory), decoded as a collar read is. The image does not say
// which firmware wrote it, so --firmware must. Programming it again puts the
// collar back as it was, its PTT ID word included.

#include <cstdint>
#include <string>

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "files/ppf_file.h"
#include "image/firmware_table.h"
#include "model/text_forms.h"

namespace orv::cli {

namespace {

// The collar's ID word is kept as the ID hex text; the id in it becomes the
// assigned code again, with its extension and protection code.
void takeUpIdWord(ParameterRecord& record) {
    const auto parts = decodeIdHex(record.text(StringRow::IDHexValue));
    if (!parts) return;
    record.general(GeneralRow::PttIdCode) = static_cast<double>(parts->rootId);
    record.general(GeneralRow::RootIDCode) = static_cast<double>(parts->rootId);
    record.general(GeneralRow::ExtensionAndProtectionCode) = static_cast<double>(parts->extension);
}

int loadBin(Session& session, const Args& args) {
    const std::string path = args.value("bin").value_or("");
    if (path.empty()) return usageError(clitext::kBinNeedsName);
    const auto firmware = args.value("firmware");
    if (!firmware) return usageError(clitext::kBinNeedsFirmware);
    if (const int rc = selectFirmware(session, *firmware); rc != kExitOk) return rc;
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        reportFailure(clitext::binUnreadable(path));
        return kExitFailed;
    }
    const std::string& version = session.record.text(StringRow::FenmodFwVer);
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) {
        reportFailure(clitext::firmwareNotSupported(version));
        return kExitFailed;
    }
    const std::size_t expected = imageSize(row);
    if (bytes.size() != expected) {
        reportFailure(clitext::binWrongSize(path, bytes.size(), version, expected));
        return kExitFailed;
    }
    PpfImages images;
    images.image.assign(bytes.begin(), bytes.end());
    if (decodePpfImages(session.record, images, session.log) != ImageResult::Ok) return kExitFailed;
    takeUpIdWord(session.record);
    textsFromValues(session.record);
    return kExitOk;
}

}  // namespace

ORV_CLI_SOURCE("bin", loadBin);

}  // namespace orv::cli
