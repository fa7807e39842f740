// The small text helpers every module shares.

#include "app/text_helpers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace orv {
namespace {

TEST(TextHelpers, HexDigitsAreTheTenDigitsAndSixLettersOfEitherCase) {
    const std::string digits = "0123456789abcdef";
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const auto lower = digits.find(static_cast<char>(std::tolower(code)));
        const int expected = lower == std::string::npos ? -1 : static_cast<int>(lower);
        EXPECT_EQ(hexDigitValue(c), expected) << code;
    }
}

TEST(TextHelpers, CaseIsIgnoredForLettersOnly) {
    EXPECT_EQ(lowerCase("Job-17 ÄB"), "job-17 Äb");  // bytes beyond ASCII stay as they are
    EXPECT_EQ(upperCase("Wren-2 w/ps"), "WREN-2 W/PS");
    EXPECT_TRUE(equalIgnoringCase("Service", "sERVICE"));
    EXPECT_FALSE(equalIgnoringCase("Service", "Services"));
    EXPECT_FALSE(equalIgnoringCase("a-1", "a_1"));
    EXPECT_TRUE(equalIgnoringCase("", ""));
    EXPECT_TRUE(startsWithIgnoringCase("PostgreSQL://host", "postgresql://"));
    EXPECT_TRUE(startsWithIgnoringCase("Wren", ""));
    EXPECT_FALSE(startsWithIgnoringCase("Wr", "Wren"));
    EXPECT_FALSE(startsWithIgnoringCase("Wren-1", "Wren-2"));
}

TEST(TextHelpers, TrimmingTakesOnlyTheCharactersNamedAndOnlyAtTheEnds) {
    EXPECT_EQ(withoutTrailing("J1   "), "J1");
    EXPECT_EQ(withoutTrailing("  J 1 \t"), "  J 1 \t");  // a tab is no blank unless named
    EXPECT_EQ(withoutTrailing("   "), "");
    EXPECT_EQ(withoutTrailing(""), "");
    EXPECT_EQ(withoutTrailing("message \r\n", " \r\n"), "message");
    EXPECT_EQ(withoutLeading("  = value "), "= value ");
    EXPECT_EQ(withoutLeading(" \t\n", " \t"), "\n");
    EXPECT_EQ(trimmed("\t a, b \r", " \t\r"), "a, b");
    EXPECT_EQ(trimmed(" \t\r", " \t\r"), "");
    EXPECT_EQ(trimmed("\v 12 \f", kWhiteSpace), "12");
}

}  // namespace
}  // namespace orv
