#include "model/model_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

TEST(ModelMessages, EveryTextWithArgumentsShowsThemInPlace) {
    using namespace modeltext;
    EXPECT_TRUE(formatsInPlace(undefinedControl(0xBEEF, 417), {"Dialog '0xBEEF'", "Control '417'"}));
    EXPECT_TRUE(formatsInPlace(notANumber("12x", "Deploy Year"), {"'12x' in field 'Deploy Year'"}));
    EXPECT_TRUE(formatsInPlace(minSecNotRecognized("Fix Timeout"), {"(mm:ss) in field 'Fix Timeout'"}));
    EXPECT_TRUE(formatsInPlace(hourMinNotRecognized("Start Time"), {"(hh:mm) in field 'Start Time'"}));
    EXPECT_TRUE(formatsInPlace(monthNotRecognized("Start Day"), {"month in field 'Start Day'"}));
    EXPECT_TRUE(formatsInPlace(valueModified(7.5, "Elev", 8), {"'7.5000' in field 'Elev'", "to '8.0000'"}));
    EXPECT_TRUE(formatsInPlace(megahertzModified(401.63, "Freq", 401.65),
                               {"'401.6300' in field 'Freq'", "to '401.6500'"}));
    EXPECT_TRUE(formatsInPlace(secondsNotAllowed("Units", 4, "Seconds", "Minutes"),
                               {"'Units' in season '4'", "from 'Seconds' to 'Minutes'"}));
    EXPECT_TRUE(formatsInPlace(seasonValueModified(44, "Fix Interval", 9, 45),
                               {"'44.0000' in field 'Fix Interval' in season '9'", "to '45.0000'"}));
    EXPECT_TRUE(
        formatsInPlace(overrideIgnored("Elev", "Parameters", "/x/orv.ini", 12, "its minimum 5 is above"),
                       {"entry 'Elev' in section [Parameters]", "file '/x/orv.ini' (line 12)",
                        "ignored:\nits minimum 5 is above."}));
    EXPECT_TRUE(formatsInPlace(overridesUnreadable("/x/orv.ini"), {"file '/x/orv.ini' could not"}));
    EXPECT_TRUE(formatsInPlace(overridePieceNotNumber("ab"), {"'ab' is not"}));
    EXPECT_TRUE(formatsInPlace(overrideMinimumAboveMaximum(9, 3), {"minimum 9", "maximum 3"}));
    EXPECT_TRUE(formatsInPlace(overrideDefaultOutside(1, 2, 3), {"default 1", "minimum 2", "maximum 3"}));
    EXPECT_TRUE(isWholeText(kDefinitionsMismatch));
}

}  // namespace
}  // namespace orv
