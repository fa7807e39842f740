#include "image/firmware_selection.h"

#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "image/firmware_table.h"
#include "image/image_result.h"
#include "image_test_support.h"
#include "temp_dir.h"

namespace orv {
namespace {

using test::recordFor;

constexpr const char* kChangedNotice =
    "The selected firmware version in the 'Firmware' combo box\nis being changed to match the connected GPS "
    "system "
    "device.";

TEST(FirmwareSelection, StartsAtTheRecordsVersionOrTheLastRow) {
    ParameterRecord record = recordFor("N4 040816 03");
    EXPECT_EQ(RecordFirmwareSelection(record).selectedRow(), 14);
    record.text(StringRow::FenmodFwVer) = "";
    EXPECT_EQ(RecordFirmwareSelection(record).selectedRow(), kFirmwareCount - 1);
}

TEST(FirmwareSelection, AutomaticModeFollowsTheVersionWithANotice) {
    const test::TempDir dir;
    const std::string settings = dir.file("Orv3.cfg");
    ParameterRecord record = recordFor("N3 020702");
    RecordFirmwareSelection selection(record, settings);
    test::LoggedTest t;

    EXPECT_EQ(checkFirmwareSelection("N3 020702", SelectionMode::Automatic, selection, t.log),
              ImageResult::Ok);
    EXPECT_EQ(t.presenter.count(), 0u);

    EXPECT_EQ(checkFirmwareSelection("N4 040816 03", SelectionMode::Automatic, selection, t.log),
              ImageResult::Ok);
    ASSERT_EQ(t.presenter.count(), 1u);
    EXPECT_EQ(t.presenter.last().kind, BoxKind::Information);
    EXPECT_EQ(t.presenter.last().text, kChangedNotice);
    EXPECT_EQ(selection.selectedRow(), 14);
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), "N4 040816");
    EXPECT_EQ(readSetting(settings, "Firmware Version", "Current Fw Ver", "NotFound").text, "N4 040816");

    EXPECT_EQ(checkFirmwareSelection("N9 040816", SelectionMode::Automatic, selection, t.log),
              ImageResult::UnsupportedFirmware);
    EXPECT_EQ(t.presenter.count(), 1u);
}

TEST(FirmwareSelection, AskingModeChangesOnlyOnYes) {
    ParameterRecord record = recordFor("N3 020702");
    RecordFirmwareSelection selection(record);
    test::LoggedTest t;
    t.presenter.answer(kAnswerNo).answer(kAnswerYes);

    EXPECT_EQ(checkFirmwareSelection("DS 040325", SelectionMode::Asking, selection, t.log),
              ImageResult::SelectionDeclined);
    EXPECT_EQ(t.presenter.last().kind, BoxKind::Choice);
    EXPECT_EQ(
        t.presenter.last().text,
        "The selected firmware version in the 'Firmware' combo box\ndoes not match that read from the GPS "
        "system device.\n\nDo you want to change the selected firmware version to match\nthe connected GPS "
        "system?");
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), "N3 020702");

    EXPECT_EQ(checkFirmwareSelection("DS 040325", SelectionMode::Asking, selection, t.log), ImageResult::Ok);
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), "DS 040325");
    EXPECT_EQ(selection.selectedRow(), 1);
}

}  // namespace
}  // namespace orv
