#include "files/files_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

using namespace filestext;

TEST(FilesMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(formatsInPlace(cannotWrite("/tmp/a b.ppf"), {"'/tmp/a b.ppf' for writing"}));
    EXPECT_TRUE(formatsInPlace(cannotRead("/tmp/a b.ppf"), {"'/tmp/a b.ppf' for reading", "NOT read!"}));
    EXPECT_TRUE(formatsInPlace(wrongSize(2001, "N4 050922", 4096),
                               {"has 2001 bytes", "firmware 'N4 050922' has 4096 bytes", "NOT read!"}));
    EXPECT_TRUE(formatsInPlace(noNumber("Fix Timeout"), {"for 'Fix Timeout'.", "NOT read!"}));
    EXPECT_TRUE(
        formatsInPlace(noSeasonNumber("Next Season", 12), {"'Next Season' in season 12.", "NOT read!"}));
    for (const char* text :
         {kExported, kExportNotCompleted, kImportNotCompleted, kExportCommunicationError}) {
        EXPECT_TRUE(isWholeText(text));
    }
}

}  // namespace
}  // namespace orv
