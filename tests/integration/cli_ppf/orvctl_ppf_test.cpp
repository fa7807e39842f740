// orvctl export-ppf, image and show --ppf end to end: for every firmware that
// export supports the file has the size of its family, carries exactly the image
// that `image` writes, and gives back every stored value.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "image/firmware_table.h"
#include "run_process.h"
#include "stored_values.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

constexpr std::size_t kImageAt = 176;

class OrvctlPpf : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

// The text after "NAME": in the JSON of show, within the section that starts
// at `from` (the s-th season object for season values).
std::string jsonValue(const std::string& json, const std::string& name, std::size_t from) {
    const std::string needle = "\"" + name + "\": ";
    const auto at = json.find(needle, from);
    if (at == std::string::npos) return "<absent>";
    const auto start = at + needle.size();
    if (json[start] == '"') return json.substr(start + 1, json.find('"', start + 1) - start - 1);
    return json.substr(start, json.find_first_of(",}", start) - start);
}

std::size_t seasonStart(const std::string& json, int season) {
    std::size_t at = json.find("\"seasons\"");
    for (int s = 0; s < season && at != std::string::npos; ++s) at = json.find('{', at + 1);
    return at;
}

std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string keyOf(const StoredValue& v) {
    std::string key(rowName(definitionTable(v.table)[static_cast<std::size_t>(v.row)]));
    if (v.table == DefinitionTable::Season) key += "[" + std::to_string(v.season) + "]";
    return key;
}

// The configuration options that give every stored value its distinct value.
std::vector<std::string> configurationArgs(const char* version, const std::vector<StoredValue>& values) {
    std::vector<std::string> args{"--firmware", version,
                                  "--raw",      "PttIdCode=1234",
                                  "--raw",      "CtnNumber=CTN-1234567890",
                                  "--raw",      "SSTNotes=collar notes"};
    for (const StoredValue& v : values) {
        args.push_back("--raw");
        args.push_back(keyOf(v) + "=" + (v.table == DefinitionTable::String ? v.text : number(v.value)));
    }
    return args;
}

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::size_t expectedFileSize(const std::string& family) {
    if (family == "N1") return 817;
    if (family == "N4") return 1176;
    if (family == "DS") return 1172;
    return 918;  // N3, N6
}

TEST_F(OrvctlPpf, EveryExportableFirmwareWritesItsImageAndGivesBackEveryStoredValue) {
    int exported = 0;
    for (int row = 0; row < kFirmwareCount; ++row) {
        const char* version = firmwareTable()[static_cast<std::size_t>(row)].version;
        if (familyHasFactoryImage(version) && findFactoryFirmware(version) == kFirmwareNotSupported) continue;
        SCOPED_TRACE(version);
        ++exported;
        const auto values = distinctStoredValues(row, WithFactory::Yes);
        const auto config = configurationArgs(version, values);

        const auto exportRun = run(with({"export-ppf", "-o", "out.ppf"}, config));
        ASSERT_EQ(exportRun.status, 0) << exportRun.err;
        EXPECT_NE(exportRun.err.find("Configuration Successfully exported!"), std::string::npos);
        const std::string file = folder.read("out.ppf");
        ASSERT_EQ(file.size(), expectedFileSize(std::string(version, 2)));
        EXPECT_EQ(file.substr(128, 10), "CTN-123456");

        const auto imageRun = run(with({"image", "-o", "out.bin"}, config));
        ASSERT_EQ(imageRun.status, 0) << imageRun.err;
        const std::string image = folder.read("out.bin");
        ASSERT_EQ(image.size(), imageSize(row));
        EXPECT_EQ(file.substr(kImageAt, image.size()), image);

        const auto showRun = run({"show", "--ppf", "out.ppf", "--json"});
        ASSERT_EQ(showRun.status, 0) << showRun.err;
        const std::string& json = showRun.out;
        const std::size_t strings = json.find("\"strings\"");
        EXPECT_EQ(jsonValue(json, "firmware", 0), version);
        // The network collars have no PTT ID field.
        EXPECT_EQ(jsonValue(json, "IDHexValue", strings), std::string(version, 2) == "DS" ? "" : "0134BE00");
        EXPECT_EQ(jsonValue(json, "SSTNotes", strings), familyHasFactoryImage(version) ? "collar notes" : "");
        for (const StoredValue& v : values) {
            const std::string name(rowName(definitionTable(v.table)[static_cast<std::size_t>(v.row)]));
            if (v.table == DefinitionTable::String) {
                EXPECT_EQ(jsonValue(json, name, strings), v.text) << name;
                continue;
            }
            const std::size_t from = v.table == DefinitionTable::Season ? seasonStart(json, v.season) : 0;
            EXPECT_NEAR(std::strtod(jsonValue(json, name, from).c_str(), nullptr), v.value, 1e-6) << keyOf(v);
        }
    }
    EXPECT_EQ(exported, 16);
}

TEST_F(OrvctlPpf, FirmwareWithoutAFactoryLayoutIsNotExported) {
    for (const char* version : {"N4 050922", "DS 050505"}) {
        const auto result = run({"export-ppf", "--firmware", version, "-o", "none.ppf"});
        EXPECT_EQ(result.status, 1) << version;
        EXPECT_NE(result.err.find("Error: The GPS system firmware version ('" + std::string(version, 2) +
                                  "') is not supported.\nThe target memory was NOT programmed correctly."),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(folder.read("none.ppf"), "");
    }
}

TEST_F(OrvctlPpf, AFileThatIsNoPpfFileFails) {
    folder.write("foreign.ppf", std::string(1200, 'x'));
    auto result = run({"show", "--ppf", "foreign.ppf", "--json"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("'foreign.ppf' is not a .ppf file"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");

    result = run({"show", "--ppf", "missing.ppf"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(
                  "Error: Could not open 'missing.ppf' for reading. \nThe configuration file was NOT read!"),
              std::string::npos)
        << result.err;
}

}  // namespace
}  // namespace orv::test
