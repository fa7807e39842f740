#include "model/overrides.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "app/format_text.h"
#include "app/message_log.h"
#include "app/settings_file.h"
#include "model/definitions.h"
#include "model/startup_sequence.h"
#include "temp_dir.h"

namespace orv {
namespace {

// The entry lines of the [Parameters] section.
int countEntries(const std::string& content) {
    const auto start = content.find("[Parameters]\n");
    if (start == std::string::npos) {
        return 0;
    }
    std::istringstream lines(content.substr(start + 13));
    int entries = 0;
    for (std::string line; std::getline(lines, line) && line.find('[') == std::string::npos;) {
        entries += line.find('=') != std::string::npos ? 1 : 0;
    }
    return entries;
}

// The loader as the reader and writer would do it, entry by entry on the file.
void overridesOneByOne(const std::string& file) {
    auto apply = [](ParameterDefinition& def, const std::string& text) {
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        double* members[] = {&def.defaultValue, &def.minValue, &def.maxValue, &def.step};
        int given = 0;
        for (char* piece = std::strtok(buffer.data(), " ,\t"); piece != nullptr && given < 4;
             piece = std::strtok(nullptr, " ,\t")) {
            *members[given++] = std::atof(piece);
        }
    };
    auto entry = [](const ParameterDefinition& def) {
        return formatText("%lf,%lf,%lf,%lf", def.defaultValue, def.minValue, def.maxValue, def.step);
    };
    for (ParameterDefinition& def : generalDefinitions()) {
        const std::string text = readSetting(file, "Parameters", def.label, "Datum Config Not Found").text;
        if (text.rfind("Datum Config Not Found", 0) != 0) {
            apply(def, text);
        } else {
            writeSetting(file, "Parameters", def.label, entry(def));
        }
    }
    for (ParameterDefinition& def : seasonDefinitions()) {
        const std::string own = entry(def);
        const std::string text = readSetting(file, "Parameters", def.label, own).text;
        if (std::strncmp(text.c_str(), own.c_str(), own.size()) != 0) {
            apply(def, text);
        } else {
            writeSetting(file, "Parameters", def.label, own);
        }
    }
}

class OverridesTest : public ::testing::Test {
protected:
    void SetUp() override { restoreBuiltinDefinitions(); }
    void TearDown() override { restoreBuiltinDefinitions(); }
    test::TempDir dir;
    std::string cfg = dir.file("Orv3.cfg");
    ParameterDefinition& general(int row) { return generalDefinitions()[static_cast<std::size_t>(row)]; }
    ParameterDefinition& season(int row) { return seasonDefinitions()[static_cast<std::size_t>(row)]; }
};

TEST_F(OverridesTest, FirstRunWritesOneEntryPerLabel) {
    dir.write("Orv3.cfg", "[Files]\nParameter Db=x.mdb\n");
    loadSettingsOverrides(cfg);
    const std::string first = dir.read("Orv3.cfg");
    EXPECT_EQ(countEntries(first), 166);
    EXPECT_EQ(first.rfind("\n[Files]\nParameter Db=x.mdb\n\n[Parameters]\nFix "
                          "Dimension=0.000000,0.000000,2.000000,1.000000\n",
                          0),
              0u);
    EXPECT_NE(first.find("\nGPS Duty Cycle 1 - Fix Interval=60.000000,0.000000,255.000000,1.000000\n"),
              std::string::npos);
    // Rows 5 and 6 share one entry: row 6 takes row 5's limits from it.
    EXPECT_NE(first.find("\nLength of Season/Season Start Day=1.000000,0.000000,365.000000,1.000000\n"),
              std::string::npos);
    EXPECT_EQ(season(SeasonRow::LengthOfSeasonSeasonStartDay).minValue, 0);

    // A second start finds every entry and leaves the file as it is.
    restoreBuiltinDefinitions();
    loadSettingsOverrides(cfg);
    EXPECT_EQ(dir.read("Orv3.cfg"), first);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Orv3.cfg"});
}

TEST_F(OverridesTest, EntriesOverrideDefaultsAndLimitsInOrder) {
    dir.write("Orv3.cfg",
              "[Parameters]\nFix Dimension=1,0,2\n"
              "Dynamics Code=\t2 , 0,,3   1 9\nBeacon Rate=+1e0,-2.5x,inf,nan\n"
              "GPS Duty Cycle 1 - # Hours=12,1,48\n");
    const double dimensionStep = general(GeneralRow::Dimension).step;
    loadSettingsOverrides(cfg);

    EXPECT_EQ(general(GeneralRow::Dimension).defaultValue, 1);
    EXPECT_EQ(general(GeneralRow::Dimension).minValue, 0);
    EXPECT_EQ(general(GeneralRow::Dimension).maxValue, 2);
    EXPECT_EQ(general(GeneralRow::Dimension).step, dimensionStep);

    const ParameterDefinition& dynamics = general(GeneralRow::Dynamics);
    EXPECT_EQ(dynamics.defaultValue, 2);
    EXPECT_EQ(dynamics.minValue, 0);
    EXPECT_EQ(dynamics.maxValue, 3);
    EXPECT_EQ(dynamics.step, 1);  // the fifth piece is ignored

    // Not a number, or not a finite one: 0.
    const ParameterDefinition& beacon = general(GeneralRow::BeaconRate);
    EXPECT_EQ(beacon.defaultValue, 1);
    EXPECT_EQ(beacon.minValue, -2.5);
    EXPECT_EQ(beacon.maxValue, 0);
    EXPECT_EQ(beacon.step, 0);

    const ParameterDefinition& hours = season(SeasonRow::GpsNumHours_1);
    EXPECT_EQ(hours.defaultValue, 12);
    EXPECT_EQ(hours.minValue, 1);
    EXPECT_EQ(hours.maxValue, 48);
    EXPECT_EQ(hours.step, 1);
}

TEST_F(OverridesTest, ANonNumberPieceGivesZero) {
    const std::string label = generalDefinitions()[GeneralRow::ElevAngle].label;
    dir.write("Orv3.cfg", "[Parameters]\n" + label + "=abc 7\n");
    loadSettingsOverrides(cfg);
    EXPECT_EQ(general(GeneralRow::ElevAngle).defaultValue, 0);
    EXPECT_EQ(general(GeneralRow::ElevAngle).minValue, 7);
    EXPECT_EQ(general(GeneralRow::ElevAngle).maxValue,
              builtinGeneralDefinitions[GeneralRow::ElevAngle].maxValue);
}

// Loading once and storing once gives exactly the file and the tables that the
// entry-by-entry reads and writes give.
TEST_F(OverridesTest, SameResultAsEntryByEntry) {
    const std::string seasonLabel = seasonDefinitions()[SeasonRow::GpsFixInterval_1].label;
    const std::vector<std::string> starts = {
        "",
        "[Files]\nDefault Dir=/x\n\n\n[Parameters]\nFix Dimension=1,0,2\n[Startup]\nLogin=1\n",
        "[Parameters]\nDatum Config Not Found\nDynamics Code=Datum Config Not Found yet\n" + seasonLabel +
            "=60.000000,0.000000,255.000000,1.000000 trailing\nLength of Season/Season Start Day=5\n",
        std::string("\r\n[Parameters]\r\nFix Dimension=2\r\n") + std::string(300, 'z') + "\n[Other]\nK=V",
    };
    for (const std::string& start : starts) {
        restoreBuiltinDefinitions();
        dir.write("reference.cfg", start);
        overridesOneByOne(dir.file("reference.cfg"));
        std::vector<ParameterDefinition> expected(generalDefinitions().begin(), generalDefinitions().end());
        expected.insert(expected.end(), seasonDefinitions().begin(), seasonDefinitions().end());

        restoreBuiltinDefinitions();
        dir.write("Orv3.cfg", start);
        loadSettingsOverrides(cfg);
        EXPECT_EQ(dir.read("Orv3.cfg"), dir.read("reference.cfg")) << start;
        std::size_t i = 0;
        for (const auto table : {generalDefinitions(), seasonDefinitions()}) {
            for (const ParameterDefinition& def : table) {
                const ParameterDefinition& want = expected[i++];
                EXPECT_EQ(def.defaultValue, want.defaultValue) << def.label;
                EXPECT_EQ(def.minValue, want.minValue) << def.label;
                EXPECT_EQ(def.maxValue, want.maxValue) << def.label;
                EXPECT_EQ(def.step, want.step) << def.label;
            }
        }
    }
}

TEST_F(OverridesTest, StartupReadsSettingsAppliesOverridesAndResets) {
    test::TempDir here(test::TempDir::Enter::Yes);
    here.write("Orv3.cfg", "[Startup]\nLogin=1\n[Parameters]\nFix Dimension=2,0,2\n");
    MessageLog log;
    ParameterRecord record;
    record.general(0) = 77;
    const StartupResult result = runStartup(log, record);
    EXPECT_TRUE(result.proceed());
    EXPECT_EQ(result.settings.loginAtStartup, '1');
    EXPECT_EQ(record.general(GeneralRow::Dimension), 2);
    EXPECT_EQ(record.text(StringRow::UserAccessLevel), "Customer");
    EXPECT_EQ(countEntries(here.read("Orv3.cfg")), 166);
}

}  // namespace
}  // namespace orv
