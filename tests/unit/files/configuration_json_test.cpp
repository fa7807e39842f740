#include "files/configuration_json.h"

#include <gtest/gtest.h>

#include <random>

#include "image/firmware_table.h"
#include "image/image_codec.h"

namespace orv {
namespace {

// Every number of the record a value inside its limits, with all the digits a
// double holds, and texts with quotes, line ends and accents.
ParameterRecord variedRecord(const char* firmware, unsigned seed) {
    ParameterRecord record;
    resetRecord(record);
    std::mt19937 random(seed);
    const auto within = [&](const ParameterDefinition& def) {
        if (def.maxValue <= def.minValue) return def.minValue;
        const double value = std::uniform_real_distribution<double>(def.minValue, def.maxValue)(random);
        return random() % 2 ? value : std::round(value);
    };
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) record.generalValues[row] = within(general[row]);
    const auto season = seasonDefinitions();
    for (auto& values : record.seasonValues)
        for (std::size_t row = 0; row < season.size(); ++row) values[row] = within(season[row]);
    record.text(StringRow::FenmodFwVer) = firmware;
    record.text(StringRow::UserName) = "Zoë \"Q\"\n\\";
    return record;
}

bool readBack(const std::string& text, ParameterRecord& record, JsonReadProblem& problem) {
    return readConfigurationJson(text, record, problem);
}

TEST(ConfigurationJson, EveryFirmwareFamilyComesBackAsTheSameValuesAndImage) {
    for (const FirmwareEntry& entry : firmwareTable()) {
        const ParameterRecord record = variedRecord(entry.version, static_cast<unsigned>(entry.version[1]));
        const std::string text = configurationJson(record, true);
        ParameterRecord loaded;
        resetRecord(loaded);
        JsonReadProblem problem;
        ASSERT_TRUE(readBack(text, loaded, problem))
            << entry.version << ": line " << problem.line << " " << problem.key << " " << problem.what;
        EXPECT_EQ(loaded.generalValues, record.generalValues) << entry.version;
        EXPECT_EQ(loaded.seasonValues, record.seasonValues) << entry.version;
        EXPECT_EQ(loaded.stringValues, record.stringValues) << entry.version;
        MemoryImage before, after;
        ASSERT_EQ(buildImage(record, before), ImageResult::Ok) << entry.version;
        ASSERT_EQ(buildImage(loaded, after), ImageResult::Ok) << entry.version;
        EXPECT_EQ(before, after) << entry.version;
        // The default record of each family passes as well.
        ParameterRecord defaults;
        resetRecord(defaults);
        defaults.text(StringRow::FenmodFwVer) = entry.version;
        EXPECT_TRUE(readBack(configurationJson(defaults, true), loaded, problem))
            << entry.version << ": " << problem.key << " " << problem.what;
    }
}

TEST(ConfigurationJson, TheFileHasTheSchemaFirstAndOneKeyALine) {
    ParameterRecord record;
    resetRecord(record);
    record.text(StringRow::SSTNotes) = std::string("caf\xE9", 4);  // Latin-1 from an older file
    const std::string text = configurationJson(record, true);
    EXPECT_EQ(text.rfind("{\n  \"schema\": \"orv-configuration/1\",\n  \"firmware\": ", 0), 0u) << text;
    EXPECT_NE(text.find("\n    \"ElevAngle\": 10,\n"), std::string::npos);
    EXPECT_NE(text.find("\"caf\xC3\xA9\""), std::string::npos);
    EXPECT_EQ(configurationJson(record, false).find("schema"), std::string::npos);
}

struct Refused {
    std::string from, to;  // replaced in the exported text
    int line;              // 0: the line the replacement lands on
    std::string key, what;
};

TEST(ConfigurationJson, RefusalsNameKeyAndLineAndLeaveTheRecord) {
    ParameterRecord record;
    resetRecord(record);
    const std::string text = configurationJson(record, true);
    const auto lineOf = [&](const std::string& needle) {
        const auto at = text.find(needle);
        return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
    };
    const std::vector<Refused> cases = {
        {"\"orv-configuration/1\"", "\"orv-configuration/2\"", 2, "schema", "is not the schema"},
        {"\"ElevAngle\": 10", "\"ElevAngle\": 91", 0, "ElevAngle", "91 is out of range (0 to"},
        {"\"ElevAngle\": 10", "\"ElevAngle\": -1", 0, "ElevAngle", "out of range"},
        {"\"ElevAngle\": 10", "\"ElevAngle\": \"10\"", 0, "ElevAngle", "not a number"},
        {"\"ElevAngle\": 10", "\"ElevAngel\": 10", 0, "ElevAngel", "unknown parameter"},
        {"\"ElevAngle\": 10,", "", lineOf("\"general\""), "ElevAngle", "missing"},
        {"\"ElevAngle\": 10", "\"ElevAngle\": 10, \"ElevAngle\": 10", 0, "ElevAngle", "given twice"},
        {"\"schema\"", "\"colour\": 1, \"schema\"", 2, "colour", "unknown key"},
        {"\"ElevAngle\": 10", "\"ElevAngle\": 10 10", 0, "", "not JSON"},
    };
    for (const Refused& c : cases) {
        std::string changed = text;
        const auto at = changed.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        changed.replace(at, c.from.size(), c.to);
        ParameterRecord target = record;
        target.general(GeneralRow::PttIdCode) = 77;
        JsonReadProblem problem;
        EXPECT_FALSE(readBack(changed, target, problem)) << c.to;
        EXPECT_EQ(problem.line, c.line ? c.line : lineOf(c.from)) << c.to;
        EXPECT_EQ(problem.key, c.key) << c.to;
        EXPECT_NE(problem.what.find(c.what), std::string::npos) << c.to << ": " << problem.what;
        EXPECT_EQ(target.general(GeneralRow::PttIdCode), 77) << "nothing loaded: " << c.to;
    }
    // A season's value is named with its season.
    std::string changed = text;
    const auto third = changed.find("\"GpsFixInterval_1\"", changed.find("\"GpsFixInterval_1\"") + 1);
    changed.replace(changed.find(':', third) + 2, 0, "-");
    JsonReadProblem problem;
    EXPECT_FALSE(readBack(changed, record, problem));
    EXPECT_EQ(problem.key, "GpsFixInterval_1[2]");
}

}  // namespace
}  // namespace orv
