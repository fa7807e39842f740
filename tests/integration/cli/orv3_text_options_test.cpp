// The window program answers --version and --help on a machine without a
// display (a server, CI, an ssh session) instead of aborting.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

TEST(Orv3WithoutDisplay, VersionAndHelpArePrintedWithoutAWindow) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(variable);
    TempDir folder;
    const std::string program = std::string(ORV_BIN_DIR) + "/orv3";
    if (access(program.c_str(), X_OK) != 0) GTEST_SKIP() << "the window program is not built here";
    const auto version = runProcess(program, {"--version"}, folder.path().string());
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out.rfind("Orv 3.", 0), 0u) << version.out;
    const auto help = runProcess(program, {"--data-dir", "x", "--help"}, folder.path().string());
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_NE(help.out.find("--data-dir <DIR>"), std::string::npos) << help.out;
    EXPECT_TRUE(folder.entries().empty()) << "neither answer makes a file";
}

}  // namespace
}  // namespace orv::test
