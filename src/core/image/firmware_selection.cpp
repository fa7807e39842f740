#include "image/firmware_selection.h"

#include <utility>

#include "app/message_log.h"
#include "app/settings_file.h"
#include "image/firmware_table.h"
#include "image/image_messages.h"
#include "image/image_result.h"
#include "model/record.h"

namespace orv {

ImageResult checkFirmwareSelection(std::string_view version, SelectionMode mode, FirmwareSelection& selection,
                                   MessageLog& log) {
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) return ImageResult::UnsupportedFirmware;
    if (row == selection.selectedRow()) return ImageResult::Ok;
    if (mode == SelectionMode::Automatic) {
        log.information("%s", imagetext::kSelectionChangedToDevice);
    } else if (log.choice("%s", imagetext::kAskChangeSelection) != kAnswerYes) {
        return ImageResult::SelectionDeclined;
    }
    selection.selectRow(row);
    return ImageResult::Ok;
}

RecordFirmwareSelection::RecordFirmwareSelection(ParameterRecord& record, std::string settingsFile)
    : record(record),
      settingsFile(std::move(settingsFile)),
      row(findFirmware(record.text(StringRow::FenmodFwVer))) {
    if (row == kFirmwareNotSupported) row = kFirmwareCount - 1;
}

void RecordFirmwareSelection::selectRow(int newRow) {
    row = newRow;
    const char* version = firmwareTable()[static_cast<std::size_t>(newRow)].version;
    record.text(StringRow::FenmodFwVer) = version;
    if (!settingsFile.empty())
        writeSetting(settingsFile, "Firmware Version", "Current Fw Ver", std::string(version));
}

}  // namespace orv
