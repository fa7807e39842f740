// orvctl layout: every firmware's memory layouts as committed under
// tests/data/layouts, so that any edit of a layout shows as a difference here
// and in review.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "image/firmware_table.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

std::string goldenLayout(std::string version) {
    for (char& c : version)
        if (c == ' ') c = '_';
    std::ifstream in(std::string(ORV_TEST_DATA_DIR) + "/layouts/" + version + ".txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OrvctlLayout, EveryFirmwarePrintsItsCommittedLayout) {
    TempDir folder;
    for (const auto& entry : firmwareTable()) {
        SCOPED_TRACE(entry.version);
        const std::string golden = goldenLayout(entry.version);
        ASSERT_FALSE(golden.empty()) << "no committed layout";
        const auto result = runOrvctl({"layout", "--firmware", entry.version}, folder.path().string());
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, golden);
        // The factory image is listed exactly for the versions that have one.
        EXPECT_EQ(result.out.find("factory image of") != std::string::npos,
                  findFactoryFirmware(entry.version) != kFirmwareNotSupported);
    }
}

TEST(OrvctlLayout, AnUnknownFirmwareFailsAndAMissingOneIsBadUsage) {
    TempDir folder;
    const auto unknown = runOrvctl({"layout", "--firmware", "N9 990101"}, folder.path().string());
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("'N9 990101' is not supported"), std::string::npos) << unknown.err;
    EXPECT_EQ(runOrvctl({"layout"}, folder.path().string()).status, 2);
}

}  // namespace
}  // namespace orv::test
