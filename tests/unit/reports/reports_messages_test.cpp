#include "reports/reports_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

TEST(ReportsMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(formatsInPlace(reportOpenFailedMessage("/tmp/spr 1.txt"), {"'/tmp/spr 1.txt' for writing"}));
    EXPECT_TRUE(isWholeText(kPrintServerMessage));
}

// Reports are compared line by line with the ones users already hold.
TEST(ReportsMessages, LegacySpellingStays) {
    EXPECT_STREQ(kCachedFixLifefimeLine, "   Cached Fix Lifefime (mm:ss) ..............");
}

}  // namespace
}  // namespace orv
