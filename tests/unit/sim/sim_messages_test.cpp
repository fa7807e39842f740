#include "sim/sim_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

TEST(SimMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(
        formatsInPlace(partialBudgetLine(kStoppedByTimeLimit),
                       {"Partial budget: the simulation was stopped by its time limit; the figures"}));
    for (const char* text : {kSimulationFailedMessage, kStoppedByTimeLimit, kBudgetLedgerHeading}) {
        EXPECT_TRUE(isWholeText(text));
    }
}

}  // namespace
}  // namespace orv
