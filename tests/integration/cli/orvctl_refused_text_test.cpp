// Typed text that is no number: orvctl refuses it as the field does, names the
// field and the text, and keeps the value; --raw refuses NaN and infinity.

#include <gtest/gtest.h>

#include <string>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

TEST(OrvctlRefusedText, NoNumberIsStoredAndTheValueKept) {
    TempDir folder;
    for (const std::string text : {"abc", "nan", "1e400", "", "10abc"}) {
        SCOPED_TRACE(text);
        const auto result =
            runOrvctl({"show", "--json", "--set", "ElevAngle=" + text}, folder.path().string());
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err,
                  "Warning: '" + text +
                      "' in field 'Elev. Mask Angle (deg)' is not a number.\nThe field keeps its value.\n");
        EXPECT_EQ(result.out, "");  // nothing is shown for a configuration that was not made
    }
    // A number in the same field is taken as before.
    const auto kept = runOrvctl({"show", "--json", "--set", "ElevAngle=12.5"}, folder.path().string());
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(kept.out.find("\"ElevAngle\": 12.5"), std::string::npos);

    for (const std::string number : {"nan", "inf", "-inf"}) {
        const auto raw = runOrvctl({"show", "--raw", "ElevAngle=" + number}, folder.path().string());
        EXPECT_EQ(raw.status, 2) << number;
        EXPECT_NE(raw.err.find("--raw ElevAngle needs a number, not '" + number + "'"), std::string::npos)
            << raw.err;
    }
}

}  // namespace
}  // namespace orv::test
