// The GPS Parms and Misc. pages and the two GPS dialogs.

#include <gtest/gtest.h>

#include "pages/gps_page.h"
#include "pages/misc_page.h"
#include "pages_fixture.h"

namespace orv::test {
namespace {

using GpsPage = PagesTest;

TEST_F(GpsPage, FixingSwitchTitlesTheGroupAndEnablesThePageAndTheAdvancedButton) {
    showAll(Page::GpsParms);
    EXPECT_EQ(control(Page::GpsParms, PageControl::GpsGroup).text, "GPS Fixing Enabled");
    EXPECT_TRUE(general(GeneralRow::ElevAngle).enabled);
    EXPECT_TRUE(control(Page::GpsParms, controlRowControl(ControlRow::AdvancedButton)).enabled);

    ASSERT_EQ(act("GpsFixingEnabled", "0"), EditOutcome::Taken);
    showAll(Page::GpsParms);
    EXPECT_EQ(control(Page::GpsParms, PageControl::GpsGroup).text, "GPS Fixing Disabled");
    for (const int row :
         {GeneralRow::Dimension, GeneralRow::ElevAngle, GeneralRow::PdopSw, GeneralRow::FixTimeout})
        EXPECT_FALSE(general(row).enabled) << row;
    EXPECT_FALSE(control(Page::GpsParms, controlRowControl(ControlRow::AdvancedButton)).enabled);
}

TEST_F(GpsPage, PdopSwitchOnlyWithAutomaticDimension) {
    ASSERT_EQ(act("Dimension", "3D Manual"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::Dimension), 2);
    EXPECT_FALSE(general(GeneralRow::PdopSw).enabled);
    EXPECT_TRUE(general(GeneralRow::PdopMask).enabled);
    ASSERT_EQ(act("Dimension", "0"), EditOutcome::Taken);
    EXPECT_TRUE(general(GeneralRow::PdopSw).enabled);
}

TEST_F(GpsPage, AccessMaskLimitsWhatTheRulesEnable) {
    host.loggedIn = {"Carl", kCustomerLevel, kMaskCustomer};
    showAll(Page::GpsParms);
    // Beacon Rate is the Engineer's; the Advanced button too.
    EXPECT_FALSE(general(GeneralRow::BeaconRate).enabled);
    EXPECT_FALSE(control(Page::GpsParms, controlRowControl(ControlRow::AdvancedButton)).enabled);
    EXPECT_TRUE(general(GeneralRow::ElevAngle).enabled);
}

TEST_F(GpsPage, FirmwareTextsReadUnknownUntilTheCollarWasRead) {
    record.text(StringRow::NavProcFwVer) = "01.02 03/04/2005";
    showAll(Page::GpsParms);
    EXPECT_EQ(text(StringRow::FenmodFwVer).text, kFirmwareUnknown);
    EXPECT_EQ(text(StringRow::NavProcFwVer).text, "01.02 03/04/2005");
}

TEST_F(GpsPage, ElevationDialogRoundsUpToTheNextHalfDegreeIntoElevAngle) {
    EXPECT_DOUBLE_EQ(elevationMask(5, 100), 6.0);
    EXPECT_DOUBLE_EQ(elevationMask(5, 101), 6.5);
    EXPECT_DOUBLE_EQ(elevationMask(10.5, 0), 10.5);
    EXPECT_DOUBLE_EQ(elevationMask(0, 1), 0.5);

    showElevationDialog(context);
    EXPECT_EQ(general(GeneralRow::BaseStationElevMaskAngle).text, "5.0");
    auto& dialog = *pages.page(Page::ElevationAngleDialog);
    dialog.setText(generalDefinitions()[GeneralRow::BaseStationElevMaskAngle].controlId, "7.5");
    dialog.setText(generalDefinitions()[GeneralRow::BaseStationDistance].controlId, "330");
    elevationDialogOk(context);
    EXPECT_DOUBLE_EQ(value(GeneralRow::ElevAngle), 11.0);
    EXPECT_EQ(general(GeneralRow::ElevAngle).text, "11.0");
    EXPECT_TRUE(record.generalChanged[GeneralRow::ElevAngle]);
}

TEST_F(GpsPage, AdvancedDialogLabelFollowsTheFirmwareFamilyAndOkReadsEveryValue) {
    EXPECT_EQ(signalEvalTimeLabel("M3 040506"), "Signal Strength Eval. Time");
    EXPECT_EQ(signalEvalTimeLabel("N6 020716"), "Usable Satellites Eval. Time");
    EXPECT_EQ(signalEvalTimeLabel(""), "Usable Satellites Eval. Time");

    record.text(StringRow::FenmodFwVer) = "M1 000000";
    showAdvancedDialog(context);
    const auto& definition = generalDefinitions()[GeneralRow::SigStrengthEvalTime];
    EXPECT_EQ(control(Page::AdvancedDialog, definition.labelId).text, "Signal Strength Eval. Time");
    EXPECT_EQ(general(GeneralRow::FixesToDiscard).text, "0");

    auto& dialog = *pages.page(Page::AdvancedDialog);
    dialog.setText(generalDefinitions()[GeneralRow::NumFixRetries].controlId, "4");
    dialog.setText(generalDefinitions()[GeneralRow::CachedFixLifetime].controlId, "2:30");
    dialog.setText(generalDefinitions()[GeneralRow::GpsWeekThreshold].controlId, "900");
    advancedDialogOk(context);
    EXPECT_EQ(value(GeneralRow::NumFixRetries), 4);
    EXPECT_EQ(value(GeneralRow::CachedFixLifetime), 150);
    // Its limits allow one value only; the entry is corrected with the warning.
    EXPECT_EQ(value(GeneralRow::GpsWeekThreshold), 952);
    EXPECT_EQ(presenter.shown(BoxKind::Warning).size(), 1u);
}

using MiscPage = PagesTest;

TEST_F(MiscPage, ThresholdsOnlyWhileTheSaltWaterSwitchIsExactlyOne) {
    showAll(Page::Misc);
    EXPECT_EQ(control(Page::Misc, PageControl::SaltWaterStatus).text, "Salt-Water Switch Disabled");
    EXPECT_FALSE(general(GeneralRow::UWThreshold).enabled);
    record.general(GeneralRow::SWSEnabled) = 1;
    showAll(Page::Misc);
    EXPECT_EQ(control(Page::Misc, PageControl::SaltWaterStatus).text, "Salt-Water Switch Enabled");
    for (const int row : {GeneralRow::OOWThreshold, GeneralRow::UWThreshold, GeneralRow::FailsafeThreshold,
                          GeneralRow::HauloutThreshold})
        EXPECT_TRUE(general(row).enabled) << row;
    record.general(GeneralRow::SWSEnabled) = 2;
    showAll(Page::Misc);
    EXPECT_EQ(control(Page::Misc, PageControl::SaltWaterStatus).text, "Salt-Water Switch Enabled");
    EXPECT_FALSE(general(GeneralRow::UWThreshold).enabled);
}

}  // namespace
}  // namespace orv::test
