#include "image/image_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

using namespace imagetext;

TEST(ImageMessages, EveryTextWithArgumentsShowsThemInPlace) {
    EXPECT_TRUE(formatsInPlace(unsupportedFirmwareRead("Q7"), {"version ('Q7')", "NOT read"}));
    EXPECT_TRUE(formatsInPlace(unsupportedFirmwareProgram("Q7"), {"version ('Q7')", "NOT programmed"}));
    EXPECT_TRUE(formatsInPlace(selectionDeclinedProgram("N3"), {"GPS device ('N3')"}));
    EXPECT_TRUE(formatsInPlace(deviceMismatch("PDOP Mask", "6", "8"),
                               {"the 'PDOP Mask' field has '6' in the device and '8' on the screen."}));
    EXPECT_TRUE(
        formatsInPlace(deviceSeasonMismatch("Next Season", 11, "2", "3"),
                       {"'Next Season' field in season 11 has '2' in the device and '3' on the screen."}));
    for (const char* text : {kSelectionChangedToDevice, kAskChangeSelection, kVersionReadError}) {
        EXPECT_TRUE(isWholeText(text));
    }
}

// The collar's users know these texts word for word, slips included.
TEST(ImageMessages, LegacyWordingStays) {
    EXPECT_EQ(std::string(kVersionReadError).rfind("There was error reading the target firmware version!", 0),
              0u);
    EXPECT_NE(unsupportedFirmwareRead("N1").find("Contact Halvorn support to get a Orv upgrade.\n"),
              std::string::npos);
    EXPECT_NE(unsupportedFirmwareProgram("N1").find("Contact Halvorn support to get a Orv upgrade.\n"),
              std::string::npos);
}

}  // namespace
}  // namespace orv
