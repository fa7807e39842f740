// The Fact. Parms page: its rules by user and transmitter type, and its handlers.

#include "pages/system_page.h"

#include <gtest/gtest.h>

#include "pages/pages_messages.h"
#include "pages_fixture.h"

namespace orv::test {
namespace {

using SystemPage = PagesTest;

TEST_F(SystemPage, EngineerSeesTheControlsOfTheTransmitterType) {
    ASSERT_EQ(act("XmitterEnblType", "Petrel w/PS"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 1);
    EXPECT_EQ(value(GeneralRow::XmitterType), 1);  // held to its limit when shown
    EXPECT_TRUE(general(GeneralRow::XmitEncryption).shown);
    EXPECT_TRUE(general(GeneralRow::SynthSel).shown);
    EXPECT_TRUE(control(Page::FactParms, PageControl::SynthesizerGroup).shown);
    EXPECT_FALSE(general(GeneralRow::DiscOffset).shown);
    EXPECT_EQ(control(Page::FactParms, PageControl::VariablesGroup).text, "ARGOS Variables");

    ASSERT_EQ(act("XmitterEnblType", "3"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ScheduledNetwork), 1);
    EXPECT_EQ(value(GeneralRow::PttPriInterval), 180);
    EXPECT_TRUE(general(GeneralRow::ScheduledNetwork).shown);
    EXPECT_TRUE(general(GeneralRow::PaPwrLvl).shown);
    EXPECT_TRUE(text(StringRow::MACAddress).shown);
    EXPECT_FALSE(general(GeneralRow::XmitEncryption).shown);
    EXPECT_EQ(control(Page::FactParms, PageControl::VariablesGroup).text, "SST Network Variables");

    ASSERT_EQ(act("XmitterEnblType", "None"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 0);
    EXPECT_EQ(value(GeneralRow::ScheduledNetwork), 0);
    EXPECT_EQ(control(Page::FactParms, PageControl::VariablesGroup).text, "");
}

TEST_F(SystemPage, ShowingThePageAgainChangesNothing) {
    ASSERT_EQ(act("XmitterEnblType", "Petrel w/PS"), EditOutcome::Taken);
    converter.clearChanges();
    showAll(Page::FactParms);
    showAll(Page::Transmitter);
    EXPECT_FALSE(record.recordDirty);
}

TEST_F(SystemPage, CustomerGetsNoneOfTheTypeRulesAndNoControlTheMaskHides) {
    host.loggedIn = {"Carl", kCustomerLevel, kMaskCustomer};
    ASSERT_EQ(act("XmitterEnblType", "Spread_Spectrum"), EditOutcome::Taken);
    // The handler's own store still happens; the Engineer's type rules do not.
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 1);
    EXPECT_EQ(value(GeneralRow::PttPriInterval), 60);
    EXPECT_EQ(value(GeneralRow::ScheduledNetwork), 0);
    EXPECT_FALSE(general(GeneralRow::PaPwrLvl).shown);
    EXPECT_FALSE(text(StringRow::MACAddress).shown);
}

TEST_F(SystemPage, DifferentialCorrectionSwitchesTheOtherFilters) {
    ASSERT_EQ(act("DiffCorrection", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::DiffCorrection), 1);
    EXPECT_EQ(value(GeneralRow::PosVelFilter), 0);
    EXPECT_EQ(value(GeneralRow::AltitudeFilter), 0);
    for (const int row : {GeneralRow::PosVelFilter, GeneralRow::StaticFilter, GeneralRow::AltitudeFilter}) {
        EXPECT_FALSE(general(row).enabled) << row;
        EXPECT_FALSE(general(row).check) << row;
    }
    ASSERT_EQ(act("DiffCorrection", "0"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::PosVelFilter), 1);
    EXPECT_EQ(value(GeneralRow::AltitudeFilter), 1);
    EXPECT_TRUE(general(GeneralRow::AltitudeFilter).check);
    EXPECT_TRUE(general(GeneralRow::StaticFilter).enabled);

    ASSERT_EQ(act("GpsFixingEnabled", "0"), EditOutcome::Taken);
    EXPECT_FALSE(general(GeneralRow::DiffCorrection).enabled);
    EXPECT_FALSE(general(GeneralRow::PosVelFilter).enabled);
}

TEST_F(SystemPage, SaltWaterBoxSetsTheThresholdAndRedisplaysTheMiscPage) {
    ASSERT_EQ(act("SWSEnabled", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::OOWThreshold), 6);
    EXPECT_EQ(value(GeneralRow::SWSEnabled), 1);
    EXPECT_EQ(control(Page::Misc, PageControl::SaltWaterStatus).text, "Salt-Water Switch Enabled");
    EXPECT_TRUE(general(GeneralRow::UWThreshold).enabled);
    EXPECT_EQ(general(GeneralRow::OOWThreshold).text, "6");

    ASSERT_EQ(act("SWSEnabled", "0"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::OOWThreshold), 0);
    EXPECT_EQ(control(Page::Misc, PageControl::SaltWaterStatus).text, "Salt-Water Switch Disabled");

    // The box shows whether a threshold is set.
    record.general(GeneralRow::OOWThreshold) = 3;
    showAll(Page::FactParms);
    EXPECT_TRUE(general(GeneralRow::SWSEnabled).check);
}

TEST_F(SystemPage, ClearingEncryptionClearsTheTimeEncoding) {
    record.general(GeneralRow::XmitEncryption) = 1;
    record.general(GeneralRow::TimeEncode) = 2;
    record.general(GeneralRow::PNTimeEncode) = 1;
    record.general(GeneralRow::PNSeedValue) = 77;
    ASSERT_EQ(act("XmitEncryption", "0"), EditOutcome::Taken);
    for (const int row : {GeneralRow::XmitEncryption, GeneralRow::TimeEncode, GeneralRow::PNTimeEncode,
                          GeneralRow::PNSeedValue})
        EXPECT_EQ(value(row), 0) << row;
}

TEST_F(SystemPage, SynthesizerButtonsAreOneChoice) {
    ASSERT_EQ(act("SynthSel", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::SynthSel), 1);
    EXPECT_EQ(value(GeneralRow::SynthOld), 0);
    EXPECT_FALSE(general(GeneralRow::SynthOld).check);
    ASSERT_EQ(act("Synth. (old)", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::SynthSel), 0);
}

TEST_F(SystemPage, NotesBeyondTheLimitAreRefusedWithTheMessage) {
    ASSERT_EQ(act("SSTNotes", std::string(224, 'n')), EditOutcome::Taken);
    EXPECT_EQ(record.text(StringRow::SSTNotes).size(), 224u);
    EXPECT_EQ(act("SSTNotes", std::string(225, 'x')), EditOutcome::Refused);
    EXPECT_EQ(errors(), "The Notes field can only hold 224 characters.\n");
    EXPECT_EQ(record.text(StringRow::SSTNotes), std::string(224, 'n'));
}

TEST_F(SystemPage, FactoryCtnIsStoredAsTyped) {
    ASSERT_EQ(act("FactRecCTN", "R-1234"), EditOutcome::Taken);
    EXPECT_EQ(record.text(StringRow::FactRecCTN), "R-1234");
}

TEST_F(SystemPage, ProgrammingTheFactoryAreaCollectsThePageAndAsksFirst) {
    pages.page(Page::FactParms)->setText(stringDefinitions()[StringRow::FactSysCTN].controlId, "S-1");
    press(controlRowControl(ControlRow::ProgramFactoryButton));
    EXPECT_EQ(record.text(StringRow::FactSysCTN), "S-1");
    ASSERT_EQ(presenter.shown(BoxKind::Choice).size(), 1u);
    EXPECT_EQ(presenter.shown(BoxKind::Choice)[0].text, kProgramFactoryQuestion);
    EXPECT_TRUE(host.factoryOperations.empty());

    presenter.answer(kAnswerYes);
    press(controlRowControl(ControlRow::ProgramFactoryButton));
    ASSERT_EQ(host.factoryOperations.size(), 1u);
    EXPECT_EQ(host.factoryOperations[0], FactoryOperation::Program);

    press(controlRowControl(ControlRow::ReadFactoryButton));
    EXPECT_EQ(host.factoryOperations.back(), FactoryOperation::Read);
    record.text(StringRow::FactBcnCTN) = "B-9";
    factoryOperationFinished(context);
    EXPECT_EQ(text(StringRow::FactBcnCTN).text, "B-9");
}

using PageRegistry = PagesTest;

TEST_F(PageRegistry, ControlsWithoutHandlersGetTheCommonOne) {
    const auto edit = [](int row, ControlAction action) {
        return RowEdit{Page::GpsParms, DefinitionTable::General, row, action};
    };
    // An edit row is read when it is left, not while typed.
    auto& gps = *pages.page(Page::GpsParms);
    gps.setText(generalDefinitions()[GeneralRow::ElevAngle].controlId, "20.3");
    EXPECT_EQ(registry.edited(context, edit(GeneralRow::ElevAngle, ControlAction::Typed)),
              EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ElevAngle), 10);
    EXPECT_EQ(registry.edited(context, edit(GeneralRow::ElevAngle, ControlAction::Left)), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ElevAngle), 20.5);
    // A step shows the value it leads to and is read as the edit left.
    const int spin = generalDefinitions()[GeneralRow::ElevAngle].spinId;
    RowEdit step = edit(GeneralRow::ElevAngle, ControlAction::Stepped);
    step.step = {spin, gps.spinPosition(spin), 1};
    EXPECT_EQ(registry.edited(context, step), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ElevAngle), 21);
    // A list is read when chosen and the page's rules run again.
    gps.setComboSelection(generalDefinitions()[GeneralRow::Dimension].controlId, 1);
    EXPECT_EQ(registry.edited(context, edit(GeneralRow::Dimension, ControlAction::Chosen)),
              EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::Dimension), 1);
    EXPECT_FALSE(general(GeneralRow::PdopSw).enabled);
    // Unknown controls and rows do nothing.
    EXPECT_EQ(registry.pressed(context, 99999), EditOutcome::Taken);
    EXPECT_EQ(registry.edited(context, edit(kGeneralCount, ControlAction::Chosen)), EditOutcome::Taken);
    EXPECT_EQ(act("Dimension", "4D"), EditOutcome::NotAChoice);
    EXPECT_EQ(act("GpsDcbDay_1", "3", 13), EditOutcome::NoSuchSeason);
}

TEST_F(PageRegistry, SeasonRowsActOnTheSeasonNamedOnly) {
    ASSERT_EQ(act("GpsNumHours_1", "12", 3), EditOutcome::Taken);
    EXPECT_EQ(record.season(3, SeasonRow::GpsNumHours_1), 12);
    EXPECT_EQ(record.season(2, SeasonRow::GpsNumHours_1), 24);
    EXPECT_EQ(record.currentSeason(), 3);
}

}  // namespace
}  // namespace orv::test
