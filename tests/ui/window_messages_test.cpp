#include "window_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

TEST(UiMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_EQ(uitext::cannotStart("the data folder /x is not a folder"),
              "Orv cannot start: the data folder /x is not a folder.");
    EXPECT_TRUE(formatsInPlace(uitext::databaseFallback("/srv/p.mdb", "Orv3.mdb"),
                               {"file '/srv/p.mdb'.", "local database: 'Orv3.mdb' instead."}));
    EXPECT_TRUE(formatsInPlace(uitext::batteryFiguresNotStored("/ro/Orv3.cfg"), {"file '/ro/Orv3.cfg'."}));
    EXPECT_TRUE(isWholeText(uitext::kNoDatabase));
}

}  // namespace
}  // namespace orv
