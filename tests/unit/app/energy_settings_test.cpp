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
        "[Energy]\nBattery mAh=19000\nUsable Percent=80\nSelf Discharge Percent Per Year=1\n"
        "GPS Fix mAs=1800\nGPS Receiver mA=25\nFix Success Percent=85\nPessimistic Fix Success Percent=60\n"
        "Transmission mAs=60\nSleep uA=40\nBeacon uA=100\n");
    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 19000);
    EXPECT_EQ(read.sleepUa, 40);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(EnergySettingsTest, BrokenValuesTakeTheirDefaultsWithOneWarningEachAndNothingIsLost) {
    // A file of the older section (five entries), some broken, a percentage above 100.
    const std::string text =
        "[Files]\nDefault Dir=/data\n[Energy]\nBattery mAh=abc\nUsable Percent=150\nGPS Fix mAs= 950.5 \n"
        "Sleep uA=\nFix Success Percent=100.5\nBeacon uA=-1\n[Parameters]\nElevAngle=10,0,90,1\n";
    dir.write("Orv3.cfg", text);
    completeEnergySettings(cfg);  // the missing entries are added, the others kept as they are
    const std::string completed = lines();
    for (const char* added : {"Transmission mAs=60\n", "Self Discharge Percent Per Year=1\n",
                              "GPS Receiver mA=25\n", "Pessimistic Fix Success Percent=60\n"})
        EXPECT_NE(completed.find(added), std::string::npos) << added;
    EXPECT_NE(completed.find("Battery mAh=abc\n"), std::string::npos);
    EXPECT_NE(completed.find("Fix Success Percent=100.5\n"), std::string::npos);
    EXPECT_NE(completed.find("[Files]\nDefault Dir=/data\n"), std::string::npos);
    EXPECT_NE(completed.find("[Parameters]\nElevAngle=10,0,90,1\n"), std::string::npos);

    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 19000);
    EXPECT_EQ(read.usablePercent, 80);
    EXPECT_EQ(read.gpsFixMas, 950.5);
    EXPECT_EQ(read.sleepUa, 40);
    EXPECT_EQ(read.fixSuccessPercent, 85);
    EXPECT_EQ(read.beaconUa, 100);
    EXPECT_EQ(read.pessimisticFixSuccessPercent, 60);
    ASSERT_EQ(presenter.count(), 5u);
    EXPECT_NE(presenter.boxes[0].text.find("'Battery mAh'"), std::string::npos);
    EXPECT_NE(presenter.boxes[0].text.find("not a number of zero or more"), std::string::npos);
    EXPECT_NE(presenter.boxes[1].text.find("'Usable Percent'"), std::string::npos);
    EXPECT_NE(presenter.boxes[1].text.find("not a percentage from 0 to 100"), std::string::npos);
    EXPECT_NE(presenter.boxes[2].text.find("'Fix Success Percent'"), std::string::npos);
    EXPECT_NE(presenter.boxes[3].text.find("'Sleep uA'"), std::string::npos);
    EXPECT_NE(presenter.boxes[3].text.find("default 40"), std::string::npos);
    EXPECT_NE(presenter.boxes[4].text.find("'Beacon uA'"), std::string::npos);
    // Reading changes nothing in the file.
    EXPECT_EQ(lines(), completed);
}

TEST_F(EnergySettingsTest, StoresTheBatteryFiguresInPlace) {
    dir.write("Orv3.cfg", "[Energy]\nBattery mAh=19000\nUsable Percent=80\nSleep uA=12\n[Files]\nX=1\n");
    ASSERT_EQ(saveEnergySetting(cfg, *findEnergyKey("Battery mAh"), 7200), 1);
    ASSERT_EQ(saveEnergySetting(cfg, *findEnergyKey("Usable Percent"), 62.5), 1);
    EXPECT_EQ(lines(), "[Energy]\nBattery mAh=7200\nUsable Percent=62.5\nSleep uA=12\n[Files]\nX=1\n");
    const EnergySettings read = readEnergySettings(cfg, log);
    EXPECT_EQ(read.batteryMah, 7200);
    EXPECT_EQ(read.usablePercent, 62.5);
    EXPECT_EQ(read.sleepUa, 12);
}

TEST(EnergyEntry, TypedFiguresAreCheckedWithAMessageNamingWhatIsWrong) {
    const EnergyKey& battery = *findEnergyKey("Battery mAh");
    const EnergyKey& usable = *findEnergyKey("Usable Percent");
    const EnergyKey& success = *findEnergyKey("Pessimistic Fix Success Percent");
    EXPECT_TRUE(checkEnergyEntry(battery, "2400").valid);
    EXPECT_EQ(checkEnergyEntry(battery, " 2400.5 ").value, 2400.5);
    EXPECT_TRUE(checkEnergyEntry(usable, "100").valid);
    EXPECT_TRUE(checkEnergyEntry(success, "0").valid);
    for (const char* bad : {"", "-1", "12mAh", "nan", "inf", "1e999"}) {
        const EnergyEntry entry = checkEnergyEntry(battery, bad);
        EXPECT_FALSE(entry.valid) << bad;
        EXPECT_NE(entry.message.find("mAh"), std::string::npos) << bad;
    }
    EXPECT_EQ(checkEnergyEntry(usable, "120").message,
              "The usable share of the battery is a percentage from 0 to 100, not '120'.");
    EXPECT_EQ(checkEnergyEntry(battery, "-3").message,
              "The battery capacity is a number of mAh, zero or more, not '-3'.");
    EXPECT_EQ(checkEnergyEntry(success, "100.1").message,
              "The pessimistic fix success is a percentage from 0 to 100, not '100.1'.");
    EXPECT_TRUE(checkEnergyEntry(*findEnergyKey("Beacon uA"), "250").valid);
    EXPECT_EQ(findEnergyKey("Battery"), nullptr);
}

}  // namespace
}  // namespace orv
