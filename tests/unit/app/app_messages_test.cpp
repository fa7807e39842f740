#include "app/app_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

using namespace apptext;

TEST(AppMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(formatsInPlace(cannotCreateDataFolder("/data/o v", "Permission denied"),
                               {"folder /data/o v: Permission denied"}));
    EXPECT_TRUE(formatsInPlace(dataFolderNotFolder("/data/x"), {"folder /data/x is not"}));
    EXPECT_TRUE(
        formatsInPlace(cannotEnterDataFolder("/data/x", "No such file"), {"folder /data/x: No such file"}));
    EXPECT_TRUE(
        formatsInPlace(energyEntryIgnored("Sleep uA", "Energy", "/x/Orv3.cfg", "12.5"),
                       {"entry 'Sleep uA' in section [Energy]", "file '/x/Orv3.cfg'", "default 12.5 is"}));
    EXPECT_TRUE(
        formatsInPlace(energyPercentEntryIgnored("Beacon uA", "Energy", "/x/Orv3.cfg", "100"),
                       {"entry 'Beacon uA' in section [Energy]", "file '/x/Orv3.cfg'", "default 100 is"}));
    EXPECT_TRUE(
        formatsInPlace(energyPercentRefused("fix success", "140"), {"The fix success is", "not '140'."}));
    EXPECT_TRUE(formatsInPlace(energyNumberRefused("sleep current", "uA", "-3"),
                               {"The sleep current is", "of uA,", "not '-3'."}));
    EXPECT_TRUE(isWholeText(kNoDataFolder));
    EXPECT_TRUE(isWholeText(kSiblingNotFound));
}

}  // namespace
}  // namespace orv
