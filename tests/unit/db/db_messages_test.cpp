#include "db/db_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

// The rename box names the CTN only when one was given; either way it is one
// whole text that ends with the hint about the 'Save' button.
TEST(DbMessages, RenameSourceMissingNamesWhatWasGiven) {
    EXPECT_EQ(
        dbtext::renameSourceMissing("J9", ""),
        "There are no records in the database with Job number: 'J9',\nusing the 'Save' button rather than the 'Change' button.");
    EXPECT_TRUE(
        formatsInPlace(dbtext::renameSourceMissing("J9", "C4"),
                       {"Job number: 'J9',\nand CTN number: 'C4'.", "rather than the 'Change' button."}));
}

}  // namespace
}  // namespace orv
