// The [Energy] section: completed with its defaults, read with one warning per
// unusable value, the battery figures stored, and the rest of the file kept.

#include "app/energy_settings.h"

#include <gtest/gtest.h>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

class EnergySettingsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string cfg = dir.file("Orv3.cfg");
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};

    // The file without its blank lines (the writer puts one before each section).
    std::string lines() const {
        std::string text = dir.read("Orv3.cfg");
        for (std::size_t at; (at = text.find("\n\n")) != std::string::npos;) text.erase(at, 1);
        return text.rfind("\n", 0) == 0 ? text.substr(1) : text;
    }
};

TEST_F(EnergySettingsTest, ANewFileGetsTheSectionWithItsDefaults) {
    completeEnergySettings(cfg, false);  // asked not to create one
    EXPECT_EQ(dir.read("Orv3.cfg"), "");
    completeEnergySettings(cfg);
    EXPECT_EQ(
        lines(),
        "[Energy]\nBattery mAh=19000\nUsable Percent=80\nGPS Fix mAs=1800\nTransmission mAs=60\nSleep uA=40\n");
    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 19000);
    EXPECT_EQ(read.sleepUa, 40);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(EnergySettingsTest, BrokenValuesTakeTheirDefaultsWithOneWarningEachAndNothingIsLost) {
    const std::string text =
        "[Files]\nDefault Dir=/data\n[Energy]\nBattery mAh=abc\nUsable Percent=-5\nGPS Fix mAs= 950.5 \n"
        "Sleep uA=\n[Parameters]\nElevAngle=10,0,90,1\n";
    dir.write("Orv3.cfg", text);
    completeEnergySettings(cfg);  // only the missing "Transmission mAs" is added
    const std::string completed = lines();
    EXPECT_NE(completed.find("Transmission mAs=60\n"), std::string::npos);
    EXPECT_NE(completed.find("Battery mAh=abc\n"), std::string::npos);
    EXPECT_NE(completed.find("[Files]\nDefault Dir=/data\n"), std::string::npos);
    EXPECT_NE(completed.find("[Parameters]\nElevAngle=10,0,90,1\n"), std::string::npos);

    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 19000);
    EXPECT_EQ(read.usablePercent, 80);
    EXPECT_EQ(read.gpsFixMas, 950.5);
    EXPECT_EQ(read.transmissionMas, 60);
    EXPECT_EQ(read.sleepUa, 40);
    ASSERT_EQ(presenter.count(), 3u);
    EXPECT_NE(presenter.boxes[0].text.find("'Battery mAh'"), std::string::npos);
    EXPECT_NE(presenter.boxes[1].text.find("'Usable Percent'"), std::string::npos);
    EXPECT_NE(presenter.boxes[2].text.find("'Sleep uA'"), std::string::npos);
    EXPECT_NE(presenter.boxes[2].text.find("default 40"), std::string::npos);
    // Reading changes nothing in the file.
    EXPECT_EQ(lines(), completed);
}

TEST_F(EnergySettingsTest, StoresTheBatteryFiguresInPlace) {
    dir.write("Orv3.cfg", "[Energy]\nBattery mAh=19000\nUsable Percent=80\nSleep uA=12\n[Files]\nX=1\n");
    ASSERT_EQ(saveEnergyCapacity(cfg, 7200, 62.5), 1);
    EXPECT_EQ(lines(), "[Energy]\nBattery mAh=7200\nUsable Percent=62.5\nSleep uA=12\n[Files]\nX=1\n");
    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 7200);
    EXPECT_EQ(read.usablePercent, 62.5);
    EXPECT_EQ(read.sleepUa, 12);
}

TEST(EnergyEntry, TypedCapacitiesAreCheckedWithAMessage) {
    EXPECT_TRUE(checkCapacityEntry("2400", false).valid);
    EXPECT_EQ(checkCapacityEntry(" 2400.5 ", false).value, 2400.5);
    EXPECT_TRUE(checkCapacityEntry("100", true).valid);
    for (const char* bad : {"", "-1", "12mAh", "nan", "inf", "1e999"}) {
        const EnergyEntry entry = checkCapacityEntry(bad, false);
        EXPECT_FALSE(entry.valid) << bad;
        EXPECT_NE(entry.message.find("mAh"), std::string::npos) << bad;
    }
    const EnergyEntry over = checkCapacityEntry("120", true);
    EXPECT_FALSE(over.valid);
    EXPECT_EQ(over.message, "The usable share of the battery is a percentage from 0 to 100, not '120'.");
}

}  // namespace
}  // namespace orv
