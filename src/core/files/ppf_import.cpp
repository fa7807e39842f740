// Reading a .ppf file into the images the decoder loads.

#include <algorithm>
#include <array>
#include <cstdio>

#include "app/message_log.h"
#include "files/ppf_file.h"
#include "files/ppf_layout.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"

namespace orv {

namespace {

using FileBytes = std::array<std::uint8_t, ppf::kReadLimit>;

// The text of a field up to its first zero byte, at most limit characters.
std::string fieldText(const FileBytes& file, ppf::TextField field, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < field.width && i < limit && file[field.at + i] != 0; ++i) {
        text += static_cast<char>(file[field.at + i]);
    }
    return text;
}

std::string fieldText(const FileBytes& file, ppf::TextField field) {
    return fieldText(file, field, field.width);
}

void copyImage(const FileBytes& file, std::size_t at, std::size_t size, std::vector<std::uint8_t>& image) {
    image.assign(size, 0);
    const std::size_t available = at < file.size() ? std::min(size, file.size() - at) : 0;
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), available, image.begin());
}

}  // namespace

int importPpfBytes(ParameterRecord& record, std::span<const std::uint8_t> bytes, FirmwareSelection& selection,
                   MessageLog& log, PpfImages& images) {
    // A file shorter than its layout reads as zeros beyond its end.
    FileBytes file{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), file.size()), file.begin());
    if (fieldText(file, ppf::kHeader) != ppf::kHeaderText) return kImageNotPpfFile;

    record.text(StringRow::FenmodFwVer) = fieldText(file, ppf::kFenmodVersion, ppf::kFirmwareVersionLength);
    record.text(StringRow::RtcPicFwVer) = fieldText(file, ppf::kRtcPicVersion);
    record.text(StringRow::NavProcFwVer) = fieldText(file, ppf::kNavProcVersion);
    record.text(StringRow::SigProcFwVer) = fieldText(file, ppf::kSigProcVersion);
    record.text(StringRow::MiscDevFwVer) = fieldText(file, ppf::kMiscDevVersion);

    // The selection follows the file; a version the program cannot configure ends the import.
    const std::string version = record.text(StringRow::FenmodFwVer);
    if (int rc = checkFirmwareSelection(version, SelectionMode::Automatic, selection, log); rc != kImageOk) {
        if (rc == kImageUnsupportedFirmware)
            showUnsupportedFirmwareRead(log, std::string(firmwareFamily(version)));
        return rc;
    }
    const int firmware = findFirmware(record.text(StringRow::FenmodFwVer));
    images.hasFactory = familyHasFactoryImage(record.text(StringRow::FenmodFwVer));
    int factoryFirmware = kFirmwareNotSupported;
    if (images.hasFactory) {
        factoryFirmware = findFactoryFirmware(record.text(StringRow::FenmodFwVer));
        if (factoryFirmware == kFirmwareNotSupported) {
            showUnsupportedFirmwareRead(log, std::string(firmwareFamily(version)));
            return kImageUnsupportedFirmware;
        }
    }
    const std::size_t size = imageSize(firmware);
    copyImage(file, ppf::kImageAt, size, images.image);
    if (images.hasFactory) {
        copyImage(file, ppf::kImageAt + size, factoryImageSize(factoryFirmware), images.factory);
    } else {
        images.factory.clear();
    }
    return kImageOk;
}

int importPpf(ParameterRecord& record, const std::string& path, FirmwareSelection& selection, MessageLog& log,
              PpfImages& images) {
    std::array<std::uint8_t, ppf::kReadLimit> bytes{};
    std::size_t got = 0;
    bool readable = false;
    if (std::FILE* stream = std::fopen(path.c_str(), "rb")) {
        got = std::fread(bytes.data(), 1, bytes.size(), stream);
        readable = std::ferror(stream) == 0;
        std::fclose(stream);
    }
    if (!readable) {
        log.error("Could not open '%s' for reading. \nThe configuration file was NOT read!", path.c_str());
        return kPpfFileFailed;
    }
    return importPpfBytes(record, std::span(bytes).first(got), selection, log, images);
}

int decodePpfImages(ParameterRecord& record, const PpfImages& images, MessageLog& log) {
    const DecodeRequest load{kDecodeLoad, 1, {}};
    if (int rc = decodeImage(record, images.image, load, log); rc != kImageOk) return rc;
    if (images.hasFactory) return decodeFactoryImage(record, images.factory, load, log);
    return kImageOk;
}

void reportImportCancelled(MessageLog& log) {
    log.information("Import not completed!");
}

}  // namespace orv
