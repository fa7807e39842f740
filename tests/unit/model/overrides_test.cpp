#include "model/overrides.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "app/format_text.h"
#include "app/message_log.h"
#include "app/settings_file.h"
#include "model/definitions.h"
#include "model/startup_sequence.h"
#include "scripted_presenter.h"
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
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    ParameterDefinition& general(int row) { return generalDefinitions()[static_cast<std::size_t>(row)]; }
    ParameterDefinition& season(int row) { return seasonDefinitions()[static_cast<std::size_t>(row)]; }
};

TEST_F(OverridesTest, FirstRunWritesOneEntryPerLabel) {
    dir.write("Orv3.cfg", "[Files]\nParameter Db=x.mdb\n");
    loadSettingsOverrides(cfg, log);
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
    loadSettingsOverrides(cfg, log);
    EXPECT_EQ(dir.read("Orv3.cfg"), first);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Orv3.cfg"});
}

TEST_F(OverridesTest, EntriesOverrideDefaultsAndLimitsInOrder) {
    dir.write("Orv3.cfg",
              "[Parameters]\nFix Dimension=1,0,2\n"
              "Dynamics Code=\t2 , 0,,3   1 9\n"
              "GPS Duty Cycle 1 - # Hours=12,1,48\n");
    const double dimensionStep = general(GeneralRow::Dimension).step;
    loadSettingsOverrides(cfg, log);

    EXPECT_EQ(general(GeneralRow::Dimension).defaultValue, 1);
    EXPECT_EQ(general(GeneralRow::Dimension).minValue, 0);
    EXPECT_EQ(general(GeneralRow::Dimension).maxValue, 2);
    EXPECT_EQ(general(GeneralRow::Dimension).step, dimensionStep);

    const ParameterDefinition& dynamics = general(GeneralRow::Dynamics);
    EXPECT_EQ(dynamics.defaultValue, 2);
    EXPECT_EQ(dynamics.minValue, 0);
    EXPECT_EQ(dynamics.maxValue, 3);
    EXPECT_EQ(dynamics.step, 1);  // the fifth piece is ignored

    const ParameterDefinition& hours = season(SeasonRow::GpsNumHours_1);
    EXPECT_EQ(hours.defaultValue, 12);
    EXPECT_EQ(hours.minValue, 1);
    EXPECT_EQ(hours.maxValue, 48);
    EXPECT_EQ(hours.step, 1);
    EXPECT_EQ(presenter.count(), 0u);
}

// An entry that would leave its row unusable is ignored, with one warning that
// names it; the row keeps its values and the user's line stays in the file.
TEST_F(OverridesTest, UnusableEntriesAreIgnoredWithAWarningEach) {
    const std::string elev = generalDefinitions()[GeneralRow::ElevAngle].label;
    const std::string beacon = generalDefinitions()[GeneralRow::BeaconRate].label;
    const std::string dims = generalDefinitions()[GeneralRow::Dimension].label;
    const std::string dynamics = generalDefinitions()[GeneralRow::Dynamics].label;
    const std::string shared = seasonDefinitions()[SeasonRow::LengthOfSeasonSeasonStartDay].label;
    const std::string file = "[Parameters]\n" + elev + "=abc 7\n" + beacon + "=+1e0,-2.5x,inf,nan\n" + dims +
                             "=5,0,2\n" + dynamics + "=1,4,3\n" + shared + "=1e400\n";
    dir.write("Orv3.cfg", file);
    const ParameterDefinition elevBefore = general(GeneralRow::ElevAngle);
    loadSettingsOverrides(cfg, log);

    for (const int row :
         {GeneralRow::ElevAngle, GeneralRow::BeaconRate, GeneralRow::Dimension, GeneralRow::Dynamics}) {
        const ParameterDefinition& def = general(row);
        const ParameterDefinition& builtin = builtinGeneralDefinitions[static_cast<std::size_t>(row)];
        EXPECT_EQ(def.defaultValue, builtin.defaultValue) << def.label;
        EXPECT_EQ(def.minValue, builtin.minValue) << def.label;
        EXPECT_EQ(def.maxValue, builtin.maxValue) << def.label;
        EXPECT_EQ(def.step, builtin.step) << def.label;
    }
    EXPECT_EQ(general(GeneralRow::ElevAngle).defaultValue, elevBefore.defaultValue);
    const auto shown = presenter.shown(BoxKind::Warning);
    ASSERT_EQ(shown.size(), 5u) << "the two season rows sharing an entry warn once";
    // In the order of the rows, each naming its line in the file.
    const std::string where = "' in section [Parameters] of the settings file '" + cfg + "' (line ";
    EXPECT_EQ(shown[0].text, "The entry '" + dims + where +
                                 "4) is ignored:\nits default 5 lies outside its minimum 0 and maximum 2.");
    EXPECT_EQ(shown[1].text,
              "The entry '" + dynamics + where + "5) is ignored:\nits minimum 4 is above its maximum 3.");
    EXPECT_EQ(shown[2].text, "The entry '" + beacon + where + "3) is ignored:\n'-2.5x' is not a number.");
    EXPECT_EQ(shown[3].text, "The entry '" + elev + where + "2) is ignored:\n'abc' is not a number.");
    EXPECT_EQ(shown[4].text, "The entry '" + shared + where + "6) is ignored:\n'1e400' is not a number.");
    EXPECT_NE(dir.read("Orv3.cfg").find(file.substr(13)), std::string::npos) << "the user's lines stay";
}

// The reader sees what the writer sees, so an entry it finds is never
// "completed" with the default: a NUL byte, a 1 MB line or an entry far into
// the file keep every value.
TEST_F(OverridesTest, EntriesBehindANulOrAHugeLineKeepTheirValues) {
    const std::string elev = generalDefinitions()[GeneralRow::ElevAngle].label;
    const std::string hours = seasonDefinitions()[SeasonRow::GpsNumHours_1].label;
    for (const std::string& filler : {std::string("Junk=\0\0\n", 8),
                                      "Junk=" + std::string(1 << 20, 'x') + "\n", std::string(70000, '\n')}) {
        restoreBuiltinDefinitions();
        loadSettingsOverrides(dir.file("complete.cfg"), log);  // every entry, as a first run writes it
        std::string text = dir.read("complete.cfg");
        const auto at = text.find("[Parameters]\n") + 13;
        text.insert(at, filler);
        const auto elevLine = text.find("\n" + elev + "=") + 1;
        text.replace(elevLine, text.find('\n', elevLine) - elevLine, elev + "=20,5,80,0.5");
        const auto hoursLine = text.find("\n" + hours + "=") + 1;
        text.replace(hoursLine, text.find('\n', hoursLine) - hoursLine, hours + "=3,1,24");
        dir.write("Orv3.cfg", text);

        restoreBuiltinDefinitions();
        loadSettingsOverrides(cfg, log);
        const std::string after = dir.read("Orv3.cfg");
        // The writer drops empty lines as it always has; every other line stays.
        if (filler[0] != '\n') {
            EXPECT_EQ(after, text) << "nothing to complete, nothing rewritten";
        }
        EXPECT_NE(after.find("\n" + elev + "=20,5,80,0.5\n"), std::string::npos);
        EXPECT_NE(after.find("\n" + hours + "=3,1,24\n"), std::string::npos);
        EXPECT_EQ(general(GeneralRow::ElevAngle).defaultValue, 20);
        EXPECT_EQ(general(GeneralRow::ElevAngle).minValue, 5);
        EXPECT_EQ(season(SeasonRow::GpsNumHours_1).defaultValue, 3);
    }
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(OverridesTest, AnUnreadableSettingsFileIsLeftAloneWithOneWarning) {
    std::filesystem::create_directory(cfg);
    loadSettingsOverrides(cfg, log);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              "The settings file '" + cfg +
                  "' could not be read: its default and limit overrides are not used,\nand the file is left "
                  "as it is.");
    EXPECT_TRUE(std::filesystem::is_directory(cfg));
    EXPECT_EQ(general(GeneralRow::ElevAngle).defaultValue,
              builtinGeneralDefinitions[GeneralRow::ElevAngle].defaultValue);
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
        loadSettingsOverrides(cfg, log);
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
