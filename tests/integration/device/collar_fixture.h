#pragma once

// A program-side device link wired to an emulated collar on a pseudo-terminal,
// with a record for the collar's firmware, scripted message boxes and a
// recording progress window.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "device/device_operations.h"
#include "device/result_codes.h"
#include "device/serial_port.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "model/record.h"
#include "recording_progress.h"
#include "scripted_presenter.h"

namespace orv::test {

// A configuration that differs from the defaults where every family stores something.
inline void varyRecord(ParameterRecord& record) {
    record.general(GeneralRow::ElevAngle) = 10;
    record.general(GeneralRow::AlmanacTimeout) = 1234;
    record.general(GeneralRow::FixTimeout) = 321;
    record.general(GeneralRow::GpsFixingEnabled) = 1;
    record.general(GeneralRow::BeaconRate) = 1;
    record.general(GeneralRow::Dynamics) = 2;
    record.season(1, SeasonRow::NextSeason) = 2;
    record.season(2, SeasonRow::NextSeason) = 13;
    record.season(2, SeasonRow::NumberOfDays) = 45;
    record.season(3, SeasonRow::GpsDcbDay_1) = 5;
    record.season(12, SeasonRow::ArgosDcbDuration) = 7;
}

class CollarTest : public ::testing::Test {
protected:
    // Starts a collar with these options and points slot 0 of the link at it.
    void startCollar(emu::CollarOptions options) {
        link.endConnection(0);
        collar = std::make_unique<emu::CollarEmulator>(std::move(options));
        ASSERT_TRUE(collar->start());
        port.setDevicePath(0, collar->devicePath());
    }

    void SetUp() override {
        link.settings.portSlot = 0;
        link.settings.comTimeoutSeconds = 1;
        resetRecord(record);
    }
    void TearDown() override {
        link.endConnection(0);
        if (collar) collar->stop();
    }

    // The record for a firmware, varied from the defaults.
    void useFirmware(const std::string& version) {
        resetRecord(record);
        record.text(StringRow::FenmodFwVer) = version;
        varyRecord(record);
        // The 'Firmware' combo box shows the same version.
        if (const int row = findFirmware(version); row != kFirmwareNotSupported) selection.selectRow(row);
    }

    // Abort as soon as the magnet is asked for: a collar that does not answer
    // the probe would otherwise be waited for without end.
    void abortAtTheMagnet() {
        progress.abortWhen = [](const RecordingProgress& p) {
            return p.legend == "Put the magnet near the target for 10 seconds.";
        };
    }

    std::vector<std::string> commandsStartingWith(char letter) const {
        std::vector<std::string> found;
        for (const auto& c : collar->commandLog())
            if (!c.empty() && c[0] == letter) found.push_back(c);
        return found;
    }

    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const auto& b : presenter.boxes) texts.push_back(b.text);
        return texts;
    }

    std::unique_ptr<emu::CollarEmulator> collar;
    SerialPort port;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    TargetLink link{port, log};
    ParameterRecord record;
    RecordFirmwareSelection selection{record};
    RecordingProgress progress;
    DeviceContext context{link, record, selection};
};

}  // namespace orv::test
