// Typed text that is no number: orvctl refuses it as the field does, names the
// field and the text, and keeps the value; --raw refuses NaN and infinity; a
// text longer than its field is refused with the field's message.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engineer_login.h"
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

    const std::vector<std::string> engineer = engineerLogin(folder.path().string());
    for (const std::string number : {"nan", "inf", "-inf"}) {
        std::vector<std::string> args{"show", "--raw", "ElevAngle=" + number};
        args.insert(args.end(), engineer.begin(), engineer.end());
        const auto raw = runOrvctl(args, folder.path().string());
        EXPECT_EQ(raw.status, 2) << number;
        EXPECT_NE(raw.err.find("--raw ElevAngle needs a number, not '" + number + "'"), std::string::npos)
            << raw.err;
    }
}

// A text field holds what its column holds (the Notes the window's 240
// characters): a longer text gets the field's message and nothing is stored.
TEST(OrvctlRefusedText, ATextLongerThanItsFieldIsRefusedWithTheFieldsMessage) {
    TempDir folder;
    const std::string where = folder.path().string();
    const auto notes = runOrvctl({"db", "save", "--db", "Orv3.mdb", "--job", "J", "--ctn", "1", "--set",
                                  "Notes=" + std::string(10000, 'n'), "--yes"},
                                 where);
    EXPECT_EQ(notes.status, 1);
    EXPECT_EQ(notes.err, "Error: The Notes field can only hold 240 characters.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Orv3.mdb")) << "nothing was saved";

    const auto customer = runOrvctl({"show", "--json", "--set", "Customer=" + std::string(26, 'c')}, where);
    EXPECT_EQ(customer.status, 1);
    EXPECT_EQ(customer.err, "Error: The Customer Name field can only hold 25 characters.\n");
    EXPECT_EQ(customer.out, "");

    // Characters, not bytes: 240 accented letters fit.
    std::string accented;
    for (int i = 0; i < 240; ++i) accented += "\xC3\xA9";
    const auto fits = runOrvctl({"show", "--json", "--set", "Notes=" + accented}, where);
    EXPECT_EQ(fits.status, 0) << fits.err;
}

}  // namespace
}  // namespace orv::test
