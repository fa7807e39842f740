// Writing a .ppf file from the record.

#include <algorithm>

#include "app/format_text.h"
#include "app/message_log.h"
#include "app/replace_file.h"
#include "files/files_messages.h"
#include "files/ppf_file.h"
#include "files/ppf_layout.h"
#include "image/field_codec.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "image/image_messages.h"
#include "model/record.h"

namespace orv {

namespace {

void putText(std::string& bytes, ppf::TextField field, std::string_view text) {
    const std::size_t length = std::min(text.size(), field.width);
    bytes.replace(field.at, length, text.substr(0, length));
}

void putImage(std::string& bytes, std::size_t at, std::span<const std::uint8_t> image) {
    std::copy(image.begin(), image.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

ImageResult ppfFileBytes(const ParameterRecord& record, bool rootIdFlag, std::string& bytes) {
    PpfImages images;
    if (const ImageResult rc = buildImage(record, images.image, rootIdFlag); rc != ImageResult::Ok) return rc;
    const std::string& version = record.text(StringRow::FenmodFwVer);
    images.hasFactory = familyHasFactoryImage(version);
    if (images.hasFactory) {
        if (const ImageResult rc = buildFactoryImage(record, images.factory); rc != ImageResult::Ok)
            return rc;
    }
    const std::size_t size =
        ppf::kImageAt + images.image.size() + (images.hasFactory ? ppf::kFactoryWidth : 0);
    bytes.assign(size, '\0');
    putText(bytes, ppf::kHeader, ppf::kHeaderText);
    putText(bytes, ppf::kProgramVersion, ppf::kProgramVersionText);
    putText(bytes, ppf::kFenmodVersion, version);
    putText(bytes, ppf::kRtcPicVersion, record.text(StringRow::RtcPicFwVer));
    putText(bytes, ppf::kNavProcVersion, record.text(StringRow::NavProcFwVer));
    putText(bytes, ppf::kSigProcVersion, record.text(StringRow::SigProcFwVer));
    putText(bytes, ppf::kMiscDevVersion, record.text(StringRow::MiscDevFwVer));
    putText(bytes, ppf::kCtnNumber, record.text(StringRow::CtnNumber));
    putText(
        bytes, ppf::kPttIdCode,
        formatText("%lld", static_cast<long long>(truncateToInteger(record.general(GeneralRow::PttIdCode)))));
    putText(bytes, ppf::kScheduler, ppf::kSchedulerText);
    putText(bytes, ppf::kSchedulerInterval, ppf::kSchedulerIntervalText);
    putImage(bytes, ppf::kImageAt, images.image);
    if (images.hasFactory) putImage(bytes, ppf::kImageAt + images.image.size(), images.factory);
    return ImageResult::Ok;
}

void reportExportFailure(ImageResult code, const ParameterRecord& record, MessageLog& log) {
    const std::string family(firmwareFamily(record.text(StringRow::FenmodFwVer)));
    if (code == ImageResult::UnsupportedFirmware) {
        log.error("%s", imagetext::unsupportedFirmwareProgram(family).c_str());
    } else if (code == ImageResult::SelectionDeclined) {
        log.error("%s", imagetext::selectionDeclinedProgram(family).c_str());
    } else {
        log.error("%s", filestext::kExportCommunicationError);
    }
}

ImageResult exportPpf(ParameterRecord& record, const std::string& path, FirmwareSelection& selection,
                      MessageLog& log, bool rootIdFlag) {
    ImageResult rc =
        checkFirmwareSelection(record.text(StringRow::FenmodFwVer), SelectionMode::Asking, selection, log);
    std::string bytes;
    if (rc == ImageResult::Ok) rc = ppfFileBytes(record, rootIdFlag, bytes);
    if (rc != ImageResult::Ok) {
        reportExportFailure(rc, record, log);
        return rc;
    }
    if (!replaceFile(path, bytes, ".ppfXXXXXX")) {
        log.error("%s", filestext::cannotWrite(path).c_str());
        return ImageResult::FileFailed;
    }
    log.information("%s", filestext::kExported);
    return ImageResult::Ok;
}

void reportExportCancelled(MessageLog& log) {
    log.information("%s", filestext::kExportNotCompleted);
}

}  // namespace orv
