// Reading a .ppf file into the images the decoder loads.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/message_log.h"
#include "files/files_messages.h"
#include "files/ppf_file.h"
#include "files/ppf_layout.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
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

std::size_t ppfFileLength(std::string_view version) {
    const int firmware = findFirmware(version);
    if (firmware == kFirmwareNotSupported) return 0;
    if (!familyHasFactoryImage(version)) return ppf::kImageAt + imageSize(firmware);
    if (findFactoryFirmware(version) == kFirmwareNotSupported) return 0;
    return ppf::kImageAt + imageSize(firmware) + ppf::kFactoryWidth;
}

ImageResult importPpfBytes(ParameterRecord& record, std::span<const std::uint8_t> bytes,
                           FirmwareSelection& selection, MessageLog& log, PpfImages& images) {
    FileBytes file{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), file.size()), file.begin());
    if (fieldText(file, ppf::kHeader) != ppf::kHeaderText) return ImageResult::NotPpfFile;

    // A file cut short (or run on) would load zeros or foreign bytes as
    // values: it is refused before anything changes.
    const std::string fileVersion = fieldText(file, ppf::kFenmodVersion, ppf::kFirmwareVersionLength);
    if (const std::size_t expected = ppfFileLength(fileVersion); expected != 0 && bytes.size() != expected) {
        log.error("%s", filestext::wrongSize(bytes.size(), fileVersion, expected).c_str());
        return ImageResult::FileFailed;
    }

    record.text(StringRow::FenmodFwVer) = fieldText(file, ppf::kFenmodVersion, ppf::kFirmwareVersionLength);
    record.text(StringRow::RtcPicFwVer) = fieldText(file, ppf::kRtcPicVersion);
    record.text(StringRow::NavProcFwVer) = fieldText(file, ppf::kNavProcVersion);
    record.text(StringRow::SigProcFwVer) = fieldText(file, ppf::kSigProcVersion);
    record.text(StringRow::MiscDevFwVer) = fieldText(file, ppf::kMiscDevVersion);

    // The selection follows the file; a version the program cannot configure ends the import.
    const std::string version = record.text(StringRow::FenmodFwVer);
    if (const ImageResult rc = checkFirmwareSelection(version, SelectionMode::Automatic, selection, log);
        rc != ImageResult::Ok) {
        if (rc == ImageResult::UnsupportedFirmware)
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
            return ImageResult::UnsupportedFirmware;
        }
    }
    const std::size_t size = imageSize(firmware);
    copyImage(file, ppf::kImageAt, size, images.image);
    if (images.hasFactory) {
        copyImage(file, ppf::kImageAt + size, factoryImageSize(factoryFirmware), images.factory);
    } else {
        images.factory.clear();
    }
    return ImageResult::Ok;
}

// The whole file is read, so that its length can be checked against its layout.
ImageResult importPpf(ParameterRecord& record, const std::string& path, FirmwareSelection& selection,
                      MessageLog& log, PpfImages& images) {
    std::vector<std::uint8_t> bytes;
    bool readable = false;
    if (std::FILE* stream = std::fopen(path.c_str(), "rb")) {
        std::uint8_t chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        readable = std::ferror(stream) == 0;
        std::fclose(stream);
    }
    if (!readable) {
        log.error("%s", filestext::cannotRead(path).c_str());
        return ImageResult::FileFailed;
    }
    return importPpfBytes(record, bytes, selection, log, images);
}

// Decoded apart and taken over only when every value is a finite number: a
// NaN or an infinity in a floating-point field would pass every range check.
ImageResult decodePpfImages(ParameterRecord& record, const PpfImages& images, MessageLog& log) {
    ParameterRecord loaded = record;
    const DecodeRequest load{ReadMode::Load, 1, {}};
    if (const ImageResult rc = decodeImage(loaded, images.image, load, log); rc != ImageResult::Ok) return rc;
    if (images.hasFactory) {
        if (const ImageResult rc = decodeFactoryImage(loaded, images.factory, load, log);
            rc != ImageResult::Ok)
            return rc;
    }
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) {
        if (!std::isfinite(loaded.generalValues[row])) {
            log.error("%s", filestext::noNumber(general[row].label).c_str());
            return ImageResult::FileFailed;
        }
    }
    const auto season = seasonDefinitions();
    for (int s = 1; s <= kSeasons; ++s) {
        for (std::size_t row = 0; row < season.size(); ++row) {
            if (!std::isfinite(loaded.season(s, static_cast<int>(row)))) {
                log.error("%s", filestext::noSeasonNumber(season[row].label, s).c_str());
                return ImageResult::FileFailed;
            }
        }
    }
    record = std::move(loaded);
    return ImageResult::Ok;
}

void reportImportCancelled(MessageLog& log) {
    log.information("%s", filestext::kImportNotCompleted);
}

}  // namespace orv
