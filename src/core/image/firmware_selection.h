#pragma once

// The firmware selection check: the version a collar (or a file) reports
// against the selection of the 'Firmware' combo box, whose items are the
// supported versions in table order.

#include <string>
#include <string_view>

#include "image/image_result.h"

namespace orv {

class MessageLog;
struct ParameterRecord;

// The combo box as the check sees it. The main window implements it with its
// combo box; orvctl and the tests with RecordFirmwareSelection.
class FirmwareSelection {
public:
    virtual ~FirmwareSelection() = default;
    // The selected table row, or kFirmwareNotSupported when nothing is selected.
    virtual int selectedRow() const = 0;
    // Selects a row as choosing it in the combo box does: FenmodFwVer becomes
    // the row's version text and the settings file records the choice.
    virtual void selectRow(int row) = 0;
};

enum class SelectionMode {
    Automatic,  // reading: the selection follows the version, with a notice
    Asking,     // programming, shut-down, export: the user is asked first
};

// UnsupportedFirmware when the version is not supported; Ok when it is the
// selected row or the selection was changed to it; SelectionDeclined when the
// user declined the change.
ImageResult checkFirmwareSelection(std::string_view version, SelectionMode mode, FirmwareSelection& selection,
                                   MessageLog& log);

// A selection kept beside a record: selecting sets the record's FenmodFwVer
// and, when settingsFile is not empty, writes [Firmware Version] "Current Fw Ver".
class RecordFirmwareSelection : public FirmwareSelection {
public:
    // Starts at the row of the record's FenmodFwVer, or at the last row (the
    // combo box's initial choice) when that text is not supported.
    explicit RecordFirmwareSelection(ParameterRecord& record, std::string settingsFile = {});
    int selectedRow() const override { return row; }
    void selectRow(int newRow) override;

private:
    ParameterRecord& record;
    std::string settingsFile;
    int row;
};

}  // namespace orv
