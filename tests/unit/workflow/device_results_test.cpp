// An image or file failure inside a device job keeps its meaning: it is not
// taken for a link failure (a time-out, a readback mismatch) of the same number.

#include <gtest/gtest.h>

#include "app/message_log.h"
#include "device/device_messages.h"
#include "device/device_operations.h"
#include "device/serial_port.h"
#include "device/target_link.h"
#include "files/ppf_file.h"
#include "image/firmware_selection.h"
#include "model/record.h"
#include "scripted_presenter.h"
#include "temp_dir.h"
#include "workflow/device_jobs.h"

namespace orv::test {
namespace {

class DeviceResults : public ::testing::Test {
protected:
    TempDir dir;
    SerialPort port;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    TargetLink link{port, log};
    ParameterRecord record;
    RecordFirmwareSelection selection{record};
    DeviceContext context{link, record, selection};
};

TEST_F(DeviceResults, AnImportThatFailsOnTheFileIsAnImageFailureNotALinkFailure) {
    // No .ppf header: nothing is loaded, and the job does not report a readback mismatch.
    ReadJobResult imported = importJob(context, dir.write("notes.ppf", std::string(900, 'x')), log);
    EXPECT_EQ(imported.result, DeviceResult::ImageFailed);
    EXPECT_FALSE(imported.loaded);

    // A .ppf file cut short: its own message, and no time-out.
    ParameterRecord source;
    resetRecord(source);
    source.text(StringRow::FenmodFwVer) = "N3 020604";
    std::string bytes;
    ASSERT_EQ(ppfFileBytes(source, false, bytes), ImageResult::Ok);
    presenter.clear();
    imported = importJob(context, dir.write("short.ppf", bytes.substr(0, bytes.size() - 1)), log);
    EXPECT_EQ(imported.result, DeviceResult::ImageFailed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text.find("timeout"), std::string::npos) << presenter.last().text;
}

TEST_F(DeviceResults, EachImageResultHasItsOwnDeviceResultAndWords) {
    EXPECT_EQ(deviceResultOf(ImageResult::Ok), DeviceResult::Ok);
    EXPECT_EQ(deviceResultOf(ImageResult::UnsupportedFirmware), DeviceResult::UnsupportedFirmware);
    EXPECT_EQ(deviceResultOf(ImageResult::SelectionDeclined), DeviceResult::SelectionDeclined);
    for (const ImageResult shown : {ImageResult::Mismatch, ImageResult::FileFailed,
                                    ImageResult::VersionTextsFailed, ImageResult::NotPpfFile}) {
        EXPECT_EQ(deviceResultOf(shown), DeviceResult::ImageFailed);
    }
    // An image that could not be allocated is said to be one, in both variants.
    ASSERT_EQ(deviceResultOf(ImageResult::OutOfMemory), DeviceResult::OutOfMemory);
    for (const MessageVariant variant : {MessageVariant::Read, MessageVariant::Program}) {
        presenter.clear();
        showOperationFailure(log, variant, DeviceResult::OutOfMemory, "N3");
        ASSERT_EQ(presenter.count(), 1u);
        EXPECT_EQ(presenter.last().text.rfind("There is not enough memory for the configuration image!", 0),
                  0u);
        EXPECT_EQ(presenter.last().text.find("timeout"), std::string::npos);
    }
    // The image's failure was shown where it happened: the operation adds nothing.
    presenter.clear();
    showOperationFailure(log, MessageVariant::Read, DeviceResult::ImageFailed, "N3");
    EXPECT_EQ(presenter.count(), 0u);
}

}  // namespace
}  // namespace orv::test
