#include "pages/pages_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

TEST(PagesMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(
        formatsInPlace(badAddressMessage("10.0.0", "IP Address"), {"'10.0.0' in field 'IP Address'"}));
    EXPECT_TRUE(
        formatsInPlace(badPatternMessage("1021", "Pulse Pattern 1"), {"'1021' in field 'Pulse Pattern 1'"}));
    EXPECT_TRUE(formatsInPlace(badIdHexMessage("12G4"), {"'12G4' is not"}));
    EXPECT_TRUE(formatsInPlace(notesLimitMessage(224), {"only hold 224 characters"}));
    EXPECT_TRUE(isWholeText(kHoldoffZeroMessage));
    EXPECT_TRUE(isWholeText(kProgramFactoryQuestion));
}

}  // namespace
}  // namespace orv
