// orvctl budget: the JSON and text of a hand-worked schedule, the [Energy]
// figures of ./Orv3.cfg, a broken section, and usage errors.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlBudget : public ::testing::Test {
protected:
    ProcessResult run(std::vector<std::string> args) {
        args.insert(args.begin(), "budget");
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

// Season 1: 10 days with fixes at 06:00, 06:20 and 06:40, then season 2, a
// shutdown; no transmitter; one year.
const std::vector<std::string> kTenDays = {
    "--start", "2025-03-01",         "--years", "1",
    "--raw",   "NumberOfDays[1]=10", "--raw",   "NextSeason[1]=2",
    "--raw",   "NextSeason[2]=13",   "--raw",   "GpsStartTime_1[1]=360",
    "--raw",   "GpsNumHours_1[1]=1", "--raw",   "GpsFixInterval_1[1]=20",
    "--raw",   "XmitnsEnabled=0"};

TEST_F(OrvctlBudget, JsonOfAHandWorkedScheduleWithTheDefaultEnergy) {
    auto args = kTenDays;
    args.insert(args.end(), {"--format", "json"});
    const auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    // An attempt: 0.85 x 1800 + 0.15 x 180 s x 25 mA = 2205 mAs (pessimistic:
    // 0.6 x 1800 + 0.4 x 4500 = 2880); 30 of them and 365 x 3456 mAs of sleep:
    // 1,327,590 mAs = 368.8 mAh (pessimistic 1,347,840 = 374.4). Projected:
    // 54,720,000 / (1,327,590 / 365 + 19000 x 3600 x 1 % / 365) = 9928 days.
    EXPECT_EQ(
        result.out,
        "{\n  \"start\": \"2025-03-01\",\n  \"days\": 365,\n  \"fixes\": 30,\n  \"transmissions\": 0,\n"
        "  \"charge_mAh\": 368.8,\n  \"usable_mAh\": 15200.0,\n  \"battery_end\": null,\n"
        "  \"projected_days\": 9928,\n  \"partial\": false,\n  \"fix_success_percent\": 85,\n"
        "  \"pessimistic\": {\"fix_success_percent\": 60, \"charge_mAh\": 374.4, \"battery_end\": null, "
        "\"projected_days\": 9829},\n"
        "  \"daily_mAh\": {\"fixes\": 0.03, \"failed_fixes\": 0.02, \"transmissions\": 0.0, \"sleep\": 0.96, "
        "\"beacon\": 0.0},\n"
        "  \"per_year\": [\n    {\"year\": 1, \"fixes\": 30, \"transmissions\": 0, \"charge_mAh\": 368.8}\n  ],\n"
        "  \"per_season\": [\n    {\"season\": 1, \"attempts\": 30, \"transmissions\": 0, \"charge_mAh\": 18.4}\n"
        "  ]\n}\n");
    // orvctl leaves no settings file behind unasked.
    EXPECT_EQ(folder.read("Orv3.cfg"), "");
}

TEST_F(OrvctlBudget, EnergyFiguresFromTheSettingsFileAndTheBatteryEnd) {
    // 1 mAh, all usable, 500 mAs a fix, no sleep draw, every fix a success and
    // no self-discharge: 1500 mAs a day, spent on the third day.
    folder.write(
        "Orv3.cfg",
        "[Energy]\nBattery mAh=1\nUsable Percent=100\nGPS Fix mAs=500\nTransmission mAs=60\nSleep uA=0\n"
        "Fix Success Percent=100\nPessimistic Fix Success Percent=100\nSelf Discharge Percent Per Year=0\n");
    auto args = kTenDays;
    args.insert(args.end(), {"--format", "json"});
    const auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"battery_end\": \"2025-03-03\""), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"usable_mAh\": 1.0"), std::string::npos);
    EXPECT_NE(result.out.find("\"charge_mAh\": 4.2"), std::string::npos);  // 30 x 500 mAs
    const auto text = run(kTenDays);
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Nominal, 100 % of fixes succeed: 4.2 mAh used, battery ends 2025-03-03, "
                            "projected life 87 days\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Year 1: 30 fix attempts, 0 transmissions, 4.2 mAh\n"), std::string::npos);
    EXPECT_NE(
        text.out.find("By season (nominal, without sleep, beacon and self-discharge):\n"
                      "Season  Fix attempts  Transmissions  mAh\n     1            30              0  4.2\n"),
        std::string::npos);
}

TEST_F(OrvctlBudget, BrokenEnergyEntriesWarnOnceEachAndUseTheirDefaults) {
    folder.write("Orv3.cfg", "[Energy]\nBattery mAh=lots\nSleep uA=-3\n[Files]\nDefault Dir=/keep\n");
    auto args = kTenDays;
    args.insert(args.end(), {"--format", "json"});
    const auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"charge_mAh\": 368.8"), std::string::npos);
    EXPECT_NE(result.err.find("'Battery mAh'"), std::string::npos);
    EXPECT_NE(result.err.find("'Sleep uA'"), std::string::npos);
    EXPECT_EQ(result.err.find("'Usable Percent'"), std::string::npos);
    const std::string settings = folder.read("Orv3.cfg");
    EXPECT_NE(settings.find("Battery mAh=lots"), std::string::npos);
    EXPECT_NE(settings.find("Default Dir=/keep"), std::string::npos);
}

TEST_F(OrvctlBudget, RefusesBadOptions) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--start", "2025-03-01", "--format", "csv"},
          std::vector<std::string>{"--years", "2"},
          std::vector<std::string>{"--start", "2025-03-01", "--years", "9"}}) {
        const auto result = run(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_EQ(result.out, "");
    }
}

}  // namespace
}  // namespace orv::test
