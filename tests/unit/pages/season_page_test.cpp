#include "pages/season_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "binding/memory_page_set.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

const ParameterDefinition& row(int r) {
    return seasonDefinitions()[static_cast<std::size_t>(r)];
}

class SeasonPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        page.setUp();
    }

    MemoryFieldControls& schedule() { return *pages.page(Page::Schedule); }
    MemoryFieldControls& gpsPanel() { return *pages.page(Page::ScheduleGpsPanel); }
    MemoryFieldControls& xmitPanel() { return *pages.page(Page::ScheduleTransmitterPanel); }
    const MemoryFieldControls::Control& control(MemoryFieldControls& on, int id) { return *on.control(id); }

    // The user's actions as the window takes them: the converter first, then
    // the page's handler.
    void type(Page on, int r, const std::string& text) {
        pages.page(on)->setText(row(r).controlId, text);
        converter.fieldEdited(on, r);
        ASSERT_TRUE(page.rowEdited(on, r));
    }
    void click(int r, bool checked) {
        schedule().setCheckState(row(r).controlId, checked);
        converter.fieldEdited(Page::Schedule, r);
        ASSERT_TRUE(page.rowEdited(Page::Schedule, r));
    }
    void choose(Page on, int r, int index) {
        pages.page(on)->setComboSelection(row(r).controlId, index);
        converter.fieldEdited(on, r);
        ASSERT_TRUE(page.rowEdited(on, r));
    }
    // An up-down click: the notification, the handler, then the control's own step.
    void step(Page on, int r, int delta) {
        MemoryFieldControls& controls = *pages.page(on);
        const int spin = row(r).spinId;
        converter.spinDelta(on, {spin, controls.spinPosition(spin), delta}, r);
        ASSERT_TRUE(page.rowEdited(on, r, delta));
        const auto& state = *controls.control(spin);
        controls.setSpinPosition(spin, std::clamp(state.spinPosition + delta, state.spinLow, state.spinHigh));
    }

    ParameterRecord record;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    MemoryPageSet pages{true};
    FieldConverter converter{record, log, pages};
    SeasonPage page{converter, pages};
};

TEST_F(SeasonPageTest, SeasonTypeSwitchChangesLabelRangeNoteAndEditForm) {
    // A fresh record: number of days.
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), kNumberOfDaysLabel);
    EXPECT_TRUE(control(schedule(), seasonRangeLabelId()).shown);
    EXPECT_EQ(schedule().text(seasonRangeLabelId()), "1-365");
    EXPECT_FALSE(control(schedule(), leapYearNoteId()).shown);
    EXPECT_TRUE(control(schedule(), row(SeasonRow::NumberOfDays).controlId).shown);
    EXPECT_FALSE(control(schedule(), row(SeasonRow::LengthOfSeasonSeasonStartDay).controlId).shown);

    record.season(1, SeasonRow::NumberOfDays) = 74;
    click(SeasonRow::SeasonType, true);  // "Day of Year"
    EXPECT_EQ(record.season(1, SeasonRow::SeasonType), 1);
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), kStartDayLabel);
    EXPECT_FALSE(control(schedule(), seasonRangeLabelId()).shown);
    EXPECT_TRUE(control(schedule(), leapYearNoteId()).shown);
    EXPECT_EQ(schedule().text(leapYearNoteId()), kLeapYearNote);
    EXPECT_FALSE(schedule().checkState(row(SeasonRow::NumDaysCheck).controlId));
    // The start day is shown as a date, through the start-day edit.
    EXPECT_TRUE(control(schedule(), row(SeasonRow::LengthOfSeasonSeasonStartDay).controlId).shown);
    EXPECT_EQ(schedule().text(row(SeasonRow::LengthOfSeasonSeasonStartDay).controlId), "Mar 15");

    click(SeasonRow::NumDaysCheck, true);  // back to "Number of Days"
    EXPECT_EQ(record.season(1, SeasonRow::SeasonType), 0);
    EXPECT_FALSE(schedule().checkState(row(SeasonRow::SeasonType).controlId));
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), kNumberOfDaysLabel);
    EXPECT_EQ(schedule().text(row(SeasonRow::NumberOfDays).controlId), "74");
    // Only season 1 changed its type.
    for (int s = 2; s <= kSeasons; ++s) EXPECT_EQ(record.season(s, SeasonRow::SeasonType), 0);
}

TEST_F(SeasonPageTest, SeasonTypeLabelKeepsItsChangeMarker) {
    click(SeasonRow::SeasonType, true);
    schedule().setText(seasonLengthLabelId(), std::string(kLabelMarker) + kStartDayLabel);
    click(SeasonRow::NumDaysCheck, true);
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), std::string(kLabelMarker) + kNumberOfDaysLabel);
}

TEST_F(SeasonPageTest, SeasonSpinIsBoundedByTheSelectorLimits) {
    for (int i = 0; i < 3; ++i) step(Page::Schedule, SeasonRow::Season, -1);
    EXPECT_EQ(record.currentSeason(), 1);
    EXPECT_EQ(schedule().text(row(SeasonRow::Season).controlId), "1");
    for (int i = 0; i < 15; ++i) step(Page::Schedule, SeasonRow::Season, +1);
    EXPECT_EQ(record.currentSeason(), 12);
    EXPECT_EQ(schedule().text(row(SeasonRow::Season).controlId), "12");
    step(Page::Schedule, SeasonRow::Season, -1);
    EXPECT_EQ(record.currentSeason(), 11);

    type(Page::Schedule, SeasonRow::Season, "40");
    EXPECT_EQ(record.currentSeason(), 12);
}

TEST_F(SeasonPageTest, SwitchingSeasonsShowsThemWithoutChangingTheRecord) {
    record.season(3, SeasonRow::NumberOfDays) = 33;
    record.season(3, SeasonRow::SeasonType) = 1;
    record.season(3, SeasonRow::NextSeason) = 5;
    const ParameterRecord before = record;

    type(Page::Schedule, SeasonRow::Season, "3");
    EXPECT_EQ(record.currentSeason(), 3);
    EXPECT_EQ(schedule().text(row(SeasonRow::LengthOfSeasonSeasonStartDay).controlId), "Feb 2");
    EXPECT_EQ(schedule().comboSelection(row(SeasonRow::NextSeason).controlId), 5);
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), kStartDayLabel);
    step(Page::Schedule, SeasonRow::Season, -1);
    EXPECT_EQ(record.currentSeason(), 2);
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), kNumberOfDaysLabel);

    EXPECT_EQ(record.seasonValues[2], before.seasonValues[2]);
    EXPECT_EQ(record.seasonValues[1], before.seasonValues[1]);
    EXPECT_FALSE(record.recordDirty);
}

TEST_F(SeasonPageTest, WhatWasTypedGoesIntoTheSeasonBeingLeft) {
    gpsPanel().setText(row(SeasonRow::GpsNumHours_1).controlId, "12");  // typed, not yet left
    step(Page::Schedule, SeasonRow::Season, +1);
    EXPECT_EQ(record.currentSeason(), 2);
    EXPECT_EQ(record.season(1, SeasonRow::GpsNumHours_1), 12);
    EXPECT_EQ(record.season(2, SeasonRow::GpsNumHours_1), 24);
    EXPECT_EQ(gpsPanel().text(row(SeasonRow::GpsNumHours_1).controlId), "24");
}

TEST_F(SeasonPageTest, GpsDcbDayZeroZeroesThatCycleInTheShownSeasonOnly) {
    for (int s = 1; s <= kSeasons; ++s) {
        record.season(s, SeasonRow::GpsDcbDay_2) = 2;
        record.season(s, SeasonRow::GpsStartTime_2) = 600;
        record.season(s, SeasonRow::GpsNumHours_2) = 5;
        record.season(s, SeasonRow::GpsFixInterval_2) = 30;
    }
    type(Page::Schedule, SeasonRow::Season, "3");
    const int start = row(SeasonRow::GpsStartTime_2).controlId;
    EXPECT_TRUE(control(gpsPanel(), start).enabled);

    type(Page::ScheduleGpsPanel, SeasonRow::GpsDcbDay_2, "0");
    EXPECT_EQ(record.season(3, SeasonRow::GpsDcbDay_2), 0);
    for (const int r : {SeasonRow::GpsStartTime_2, SeasonRow::GpsNumHours_2, SeasonRow::GpsFixInterval_2}) {
        EXPECT_EQ(record.season(3, r), 0) << r;
        EXPECT_FALSE(control(gpsPanel(), row(r).controlId).enabled) << r;
        EXPECT_EQ(record.season(2, r), record.season(4, r));
        EXPECT_NE(record.season(2, r), 0) << r;
    }
    EXPECT_EQ(gpsPanel().text(start), " 0:00");
    // Cycle 1 (day 1) stays editable, and the change is noted.
    EXPECT_TRUE(control(gpsPanel(), row(SeasonRow::GpsStartTime_1).controlId).enabled);
    EXPECT_TRUE(record.recordDirty);

    // Another season shows its own cycle, enabled again.
    step(Page::Schedule, SeasonRow::Season, +1);
    EXPECT_TRUE(control(gpsPanel(), start).enabled);
    EXPECT_EQ(gpsPanel().text(start), "10:00");
}

TEST_F(SeasonPageTest, GpsCyclesStayAsTheyAreWhileFixingIsOff) {
    record.general(GeneralRow::GpsFixingEnabled) = 0;
    record.season(1, SeasonRow::GpsNumHours_2) = 5;
    page.loadSeason(1);
    EXPECT_EQ(record.season(1, SeasonRow::GpsNumHours_2), 5);
    EXPECT_TRUE(control(gpsPanel(), row(SeasonRow::GpsNumHours_2).controlId).enabled);
}

TEST_F(SeasonPageTest, UnitsListAndUnitTextFollowTheTransmitter) {
    const int units = row(SeasonRow::FixIntervalUnits).controlId;
    const int unitText = row(SeasonRow::GpsFixInterval_1).extraId;
    EXPECT_EQ(control(gpsPanel(), units).items.size(), 4U);
    EXPECT_EQ(gpsPanel().text(unitText), "(minutes)");

    record.general(GeneralRow::XmitterEnblType) = 1;  // Petrel: no seconds
    page.pageShown();
    ASSERT_EQ(control(gpsPanel(), units).items.size(), 3U);
    EXPECT_EQ(control(gpsPanel(), units).items[0], "minutes");
    EXPECT_EQ(gpsPanel().comboSelection(units), 0);  // "minutes" is first now

    choose(Page::ScheduleGpsPanel, SeasonRow::FixIntervalUnits, 1);  // "hours"
    EXPECT_EQ(record.season(1, SeasonRow::FixIntervalUnits), 2);
    EXPECT_EQ(gpsPanel().text(row(SeasonRow::GpsFixInterval_3).extraId), "(hours)");

    record.general(GeneralRow::XmitterEnblType) = 3;  // spread spectrum: seconds again
    page.pageShown();
    EXPECT_EQ(control(gpsPanel(), units).items.size(), 4U);
    EXPECT_EQ(gpsPanel().comboSelection(units), 2);
}

TEST_F(SeasonPageTest, TransmitterPanelDisabledWithoutTransmitterAndZeroesIdlePeriods) {
    record.season(1, SeasonRow::ArgosNumHours_2) = 7;  // day 0
    page.loadSeason(1);
    for (int r = SeasonRow::ArgosDcbDuration; r <= SeasonRow::ArgosNumHours_3; ++r) {
        EXPECT_FALSE(control(xmitPanel(), row(r).controlId).enabled) << r;
    }
    EXPECT_EQ(record.season(1, SeasonRow::ArgosNumHours_2), 7);  // nothing else happens

    record.general(GeneralRow::XmitterEnblType) = 1;
    page.pageShown();
    EXPECT_TRUE(control(xmitPanel(), row(SeasonRow::ArgosNumHours_1).controlId).enabled);
    EXPECT_FALSE(control(xmitPanel(), row(SeasonRow::ArgosNumHours_2).controlId).enabled);
    EXPECT_EQ(record.season(1, SeasonRow::ArgosNumHours_2), 0);

    type(Page::ScheduleTransmitterPanel, SeasonRow::ArgosDcbDay_1, "0");
    EXPECT_EQ(record.season(1, SeasonRow::ArgosStartTime_1), 0);
    EXPECT_EQ(record.season(1, SeasonRow::ArgosNumHours_1), 0);
    EXPECT_EQ(record.season(2, SeasonRow::ArgosStartTime_1), 360);
    EXPECT_FALSE(control(xmitPanel(), row(SeasonRow::ArgosStartTime_1).controlId).enabled);

    // A step of a day stores it and runs the rule again.
    step(Page::ScheduleTransmitterPanel, SeasonRow::ArgosDcbDay_1, +1);
    EXPECT_EQ(record.season(1, SeasonRow::ArgosDcbDay_1), 1);
    EXPECT_TRUE(control(xmitPanel(), row(SeasonRow::ArgosStartTime_1).controlId).enabled);
}

TEST_F(SeasonPageTest, HandlersWaitForSetUpAndIgnoreForeignRows) {
    SeasonPage fresh{converter, pages};
    click(SeasonRow::SeasonType, true);
    schedule().setText(seasonLengthLabelId(), "untouched");
    EXPECT_TRUE(fresh.rowEdited(Page::Schedule, SeasonRow::SeasonType));
    EXPECT_EQ(schedule().text(seasonLengthLabelId()), "untouched");
    EXPECT_FALSE(page.rowEdited(Page::Schedule, SeasonRow::GpsDcbDay_1));
    EXPECT_FALSE(page.rowEdited(Page::GpsParms, SeasonRow::Season));
    EXPECT_FALSE(page.rowEdited(Page::Schedule, kSeasonCount));
}

TEST_F(SeasonPageTest, SteppedLengthIsStoredAndTheSpinStaysInStep) {
    record.season(1, SeasonRow::NumberOfDays) = 30;
    page.loadSeason(1);
    const int spin = row(SeasonRow::NumberOfDays).spinId;
    for (int i = 0; i < 3; ++i) step(Page::Schedule, SeasonRow::NumberOfDays, +1);
    EXPECT_EQ(record.season(1, SeasonRow::NumberOfDays), 33);
    EXPECT_EQ(schedule().spinPosition(spin), 33);
    step(Page::Schedule, SeasonRow::NumberOfDays, -1);
    EXPECT_EQ(record.season(1, SeasonRow::NumberOfDays), 32);
    EXPECT_EQ(schedule().text(row(SeasonRow::NumberOfDays).controlId), "32");
}

}  // namespace
}  // namespace orv
