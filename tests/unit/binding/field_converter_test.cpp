#include "binding/field_converter.h"

#include <gtest/gtest.h>

#include <limits>

#include "binding/memory_page_set.h"
#include "binding/typed_field_entry.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

class FieldConverterTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        pages.title = "Orv";
    }

    // Types text into a general row and leaves the field.
    double enterGeneral(int row, const std::string& text) {
        EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::General, row, 1, text),
                  EditOutcome::Taken);
        return record.general(row);
    }
    double enterSeason(int season, int row, const std::string& text) {
        EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::Season, row, season, text),
                  EditOutcome::Taken);
        return record.season(season,
                             row == SeasonRow::LengthOfSeasonSeasonStartDay ? SeasonRow::NumberOfDays : row);
    }

    MemoryFieldControls& pageOf(DefinitionTable table, int row) {
        return *pages.page(definitionTable(table)[static_cast<std::size_t>(row)].page);
    }
    std::string valueText(DefinitionTable table, int row) {
        return pageOf(table, row).text(definitionTable(table)[static_cast<std::size_t>(row)].controlId);
    }
    std::string labelText(DefinitionTable table, int row) {
        return pageOf(table, row).text(definitionTable(table)[static_cast<std::size_t>(row)].labelId);
    }

    std::vector<std::string> texts(BoxKind kind) const {
        std::vector<std::string> result;
        for (const auto& box : presenter.shown(kind)) {
            result.push_back(box.text);
        }
        return result;
    }

    void enableArgos() { record.general(GeneralRow::XmitterEnblType) = 1; }

    ParameterRecord record;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    MemoryPageSet pages{true};
    FieldConverter converter{record, log, pages};
};

std::string modified(const char* entered, const char* label, const char* value) {
    return std::string("'") + entered + "' in field '" + label + "' was modified to '" + value +
           "'\nto meet data format or range requirements.";
}

TEST_F(FieldConverterTest, TimesInMinutesAndSeconds) {
    EXPECT_EQ(enterGeneral(GeneralRow::AlmanacTimeout, "12:30"), 750);
    EXPECT_EQ(enterGeneral(GeneralRow::AlmanacTimeout, "1:75"), 135);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::AlmanacTimeout), " 2:15");
    EXPECT_TRUE(presenter.boxes.empty());

    EXPECT_EQ(enterGeneral(GeneralRow::AlmanacTimeout, "90"), 90);
    EXPECT_EQ(
        texts(BoxKind::Information),
        std::vector<std::string>{"Did not recognize a time (mm:ss) in field 'Almanac Timeout (mm:ss)'\nWill "
                                 "try to interpret the entry as an integer number of seconds."});

    // 782 s is rounded to the step of 5.
    EXPECT_EQ(enterGeneral(GeneralRow::AlmanacTimeout, "13:02"), 780);
    EXPECT_EQ(texts(BoxKind::Warning),
              std::vector<std::string>{modified("782.0000", "Almanac Timeout (mm:ss)", "780.0000")});
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::AlmanacTimeout), "13:00");
}

TEST_F(FieldConverterTest, HoursAndMinutesWithoutAColon) {
    EXPECT_EQ(enterGeneral(GeneralRow::ActivitySenseInterval, "90"), 90);
    EXPECT_EQ(
        texts(BoxKind::Information),
        std::vector<std::string>{"Did not recognize a time (hh:mm) in field 'Activity Sensor Interval'\nWill "
                                 "try to interpret the entry as an integer number of minutes."});
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::ActivitySenseInterval), " 1:30");
}

TEST_F(FieldConverterTest, NoLimitIsZeroTransmissions) {
    record.general(GeneralRow::MaxDataXmissions) = 5;
    EXPECT_EQ(enterGeneral(GeneralRow::MaxDataXmissions, "no limit"), 0);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::MaxDataXmissions), "no limit");
    EXPECT_EQ(enterGeneral(GeneralRow::MaxDataXmissions, "25"), 25);
    EXPECT_EQ(enterGeneral(GeneralRow::MaxDataXmissions, "0"), 0);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::MaxDataXmissions), "no limit");
    EXPECT_TRUE(presenter.boxes.empty());
}

TEST_F(FieldConverterTest, SeasonStartDayAsMonthAndDay) {
    record.season(2, SeasonRow::SeasonType) = 1;  // day-of-year season
    const int row = SeasonRow::LengthOfSeasonSeasonStartDay;
    EXPECT_EQ(enterSeason(2, row, "mar 15"), 74);
    EXPECT_EQ(enterSeason(2, row, "Mar 15"), 74);
    EXPECT_EQ(valueText(DefinitionTable::Season, row), "Mar 15");
    EXPECT_EQ(enterSeason(2, row, "Mar 0"), 60);  // the day is raised to 1
    EXPECT_TRUE(presenter.boxes.empty());

    EXPECT_EQ(enterSeason(2, row, "15"), 15);
    EXPECT_EQ(texts(BoxKind::Information),
              std::vector<std::string>{"Did not recognize a month in field 'Length of Season/Season Start "
                                       "Day'\nWill default to the start of the year."});
    EXPECT_EQ(valueText(DefinitionTable::Season, row), "Jan 15");
}

TEST_F(FieldConverterTest, ClampedAndRoundedEntriesAreReported) {
    // MHz typed, Hz stored, 500 Hz steps.
    EXPECT_EQ(enterGeneral(GeneralRow::SpecifiedPTTFreq, "401.6312"), 401631000);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::SpecifiedPTTFreq), "401.6310");

    EXPECT_EQ(enterGeneral(GeneralRow::ElevAngle, "10.3"), 10.5);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::ElevAngle), "10.5");
    EXPECT_EQ(enterGeneral(GeneralRow::ElevAngle, "95"), 90);
    EXPECT_EQ(enterGeneral(GeneralRow::ElevAngle, "12.5"), 12.5);

    EXPECT_EQ(texts(BoxKind::Warning), (std::vector<std::string>{
                                           modified("401.6312", "Specified PTT Frequency", "401.6310"),
                                           modified("10.3000", "Elev. Mask Angle (deg)", "10.5000"),
                                           modified("95.0000", "Elev. Mask Angle (deg)", "90.0000"),
                                       }));
    // The spin control follows the value: 12.5 is step 25 of 0..180.
    const ParameterDefinition& elev = generalDefinitions()[GeneralRow::ElevAngle];
    EXPECT_EQ(pageOf(DefinitionTable::General, GeneralRow::ElevAngle).control(elev.spinId)->spinHigh, 180);
    EXPECT_EQ(pageOf(DefinitionTable::General, GeneralRow::ElevAngle).spinPosition(elev.spinId), 25);
}

TEST_F(FieldConverterTest, FixIntervalsWithArgosInMinutes) {
    enableArgos();
    const int row = SeasonRow::GpsFixInterval_1;
    EXPECT_EQ(enterSeason(1, row, "7"), 10);
    EXPECT_EQ(enterSeason(1, row, "45"), 60);
    EXPECT_EQ(enterSeason(1, row, "75"), 60);
    EXPECT_EQ(enterSeason(1, row, "95"), 120);
    EXPECT_EQ(enterSeason(1, row, "255"), 240);
    EXPECT_EQ(enterSeason(1, row, "30"), 30);
    EXPECT_EQ(texts(BoxKind::Warning).front(),
              modified("7.0000", "GPS Duty Cycle 1 - Fix Interval", "10.0000"));
    EXPECT_EQ(presenter.shown(BoxKind::Warning).size(), 5U);

    record.general(GeneralRow::StartupXmitFmt) = 1;  // "A01" allows 45 minutes
    EXPECT_EQ(enterSeason(1, row, "45"), 45);

    record.season(1, SeasonRow::FixIntervalUnits) = 2;  // hours: any interval
    EXPECT_EQ(enterSeason(1, row, "7"), 7);
    record.general(GeneralRow::XmitterEnblType) = 3;  // network transceiver: no ARGOS
    record.season(1, SeasonRow::FixIntervalUnits) = 1;
    EXPECT_EQ(enterSeason(1, row, "7"), 7);
}

TEST_F(FieldConverterTest, SecondsCannotBeChosenWhileArgosIsOn) {
    enableArgos();
    const int row = SeasonRow::FixIntervalUnits;
    EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::Season, row, 1, "seconds"),
              EditOutcome::NotAChoice);
    EXPECT_EQ(enterSeason(1, row, "minutes"), 1);
    EXPECT_EQ(enterSeason(1, row, "Days"), 3);

    // Shown again, "days" sits at position 2 of the shortened list.
    MemoryFieldControls& panel = pageOf(DefinitionTable::Season, row);
    const int combo = seasonDefinitions()[row].controlId;
    EXPECT_EQ(panel.comboSelection(combo), 2);
    // No selection at all still gives "minutes".
    panel.setComboSelection(combo, -1);
    EXPECT_EQ(converter.readField(Page::ScheduleGpsPanel, row), 1);
}

TEST_F(FieldConverterTest, TurningArgosOnMovesEverySeasonToMinutes) {
    record.season(3, SeasonRow::FixIntervalUnits) = 0;
    record.season(3, SeasonRow::GpsFixInterval_2) = 7;  // seconds until now
    record.season(5, SeasonRow::GpsFixInterval_3) = 95;
    converter.enforceArgosMinutes();
    EXPECT_TRUE(presenter.boxes.empty());  // ARGOS still off

    enableArgos();
    converter.enforceArgosMinutes();
    EXPECT_EQ(record.season(3, SeasonRow::FixIntervalUnits), 1);
    EXPECT_EQ(record.season(3, SeasonRow::GpsFixInterval_2), 10);
    EXPECT_EQ(record.season(5, SeasonRow::GpsFixInterval_3), 120);
    EXPECT_EQ(
        texts(BoxKind::Warning),
        (std::vector<std::string>{
            "Field 'GPS Fix Interval Units' in season '3' was changed from 'seconds' to 'minutes'\nbecause "
            "intervals in seconds are not allowed when ARGOS PTT transmissions are enabled.",
            "'7.0000' in field 'GPS Duty Cycle 2 - Fix Interval' in season '3' was modified to "
            "'10.0000'\nto meet data format or range requirements.",
            "'95.0000' in field 'GPS Duty Cycle 3 - Fix Interval' in season '5' was modified to "
            "'120.0000'\nto meet data format or range requirements.",
        }));
    EXPECT_FALSE(record.recordDirty);  // written without change marks
}

TEST_F(FieldConverterTest, FixIntervalSpinStepsBetweenAllowedIntervals) {
    enableArgos();
    const ParameterDefinition& def = seasonDefinitions()[SeasonRow::GpsFixInterval_1];
    const Page page = def.page;
    MemoryFieldControls& panel = *pages.page(page);
    converter.showSeason(1);
    EXPECT_EQ(converter.stepSpin(page, def.spinId, 1), 120);
    EXPECT_EQ(panel.spinPosition(def.spinId), 120);
    EXPECT_EQ(record.season(1, SeasonRow::GpsFixInterval_1), 60);  // stored when the edit is read
    EXPECT_EQ(panel.text(def.controlId), "120");

    record.season(1, SeasonRow::GpsFixInterval_1) = 10;
    converter.showSeason(1);
    EXPECT_EQ(converter.stepSpin(page, def.spinId, -1), 6);
    EXPECT_EQ(panel.spinPosition(def.spinId), 6);
    EXPECT_EQ(converter.stepSpin(page, def.spinId, 1), 10);
    EXPECT_TRUE(record.seasonChanged[0][SeasonRow::GpsFixInterval_1]);
}

TEST_F(FieldConverterTest, PlainSpinMovesByTheStep) {
    const ParameterDefinition& def = generalDefinitions()[GeneralRow::ElevAngle];
    converter.showField(def.page, GeneralRow::ElevAngle);
    EXPECT_EQ(converter.spinDelta(def.page, {def.spinId, 20, 1}), 10.5);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::ElevAngle), "10.5");
    EXPECT_EQ(converter.spinDelta(def.page, {def.spinId, 180, 1}), 90);        // held at the top
    EXPECT_EQ(converter.spinDelta(def.page, {def.spinId + 100000, 0, 1}), 0);  // no such up-down
    // Whatever position a control reports, the step stays within the range.
    EXPECT_EQ(converter.spinDelta(def.page, {def.spinId, std::numeric_limits<int>::max(), 1}), 90);
    EXPECT_EQ(converter.spinDelta(def.page, {def.spinId, std::numeric_limits<int>::min(), -1}), 0);
}

TEST_F(FieldConverterTest, UndefinedControlStoresNothing) {
    pages.page(Page::GpsParms)->removeControl(generalDefinitions()[GeneralRow::ElevAngle].controlId);
    record.general(GeneralRow::ElevAngle) = 12;
    EXPECT_EQ(converter.readField(Page::GpsParms, GeneralRow::ElevAngle), 0);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 12);
    EXPECT_EQ(
        texts(BoxKind::Error),
        std::vector<std::string>{"Internal error - a value was requested from an undefined control.\nDialog "
                                 "'0x1001' -- Control '42'\n\nQuit and rerun the program.  If the problem "
                                 "occurs again, call Halvorn support."});
}

TEST_F(FieldConverterTest, ChangesMarkLabelAndTitleOnce) {
    enterGeneral(GeneralRow::ElevAngle, "10");  // the same value: no change
    EXPECT_FALSE(record.recordDirty);
    EXPECT_EQ(pages.title, "Orv");

    enterGeneral(GeneralRow::ElevAngle, "20");
    enterGeneral(GeneralRow::ElevAngle, "30");
    EXPECT_TRUE(record.recordDirty);
    EXPECT_TRUE(record.generalChanged[GeneralRow::ElevAngle]);
    EXPECT_EQ(pages.title, "Orv *");
    EXPECT_EQ(labelText(DefinitionTable::General, GeneralRow::ElevAngle), "* Elev. Mask Angle (deg)");

    converter.clearChanges();
    EXPECT_EQ(pages.title, "Orv");
    EXPECT_FALSE(record.recordDirty);
    EXPECT_FALSE(record.generalChanged[GeneralRow::ElevAngle]);
    EXPECT_EQ(labelText(DefinitionTable::General, GeneralRow::ElevAngle), "Elev. Mask Angle (deg)");
}

TEST_F(FieldConverterTest, ValuesOutsideTheLimitsAreCorrectedWhenShown) {
    record.general(GeneralRow::SigLevel) = 25;  // as a database load might leave it
    converter.showField(Page::GpsParms, GeneralRow::SigLevel);
    EXPECT_EQ(record.general(GeneralRow::SigLevel), 20);
    EXPECT_TRUE(record.generalChanged[GeneralRow::SigLevel]);
    EXPECT_EQ(valueText(DefinitionTable::General, GeneralRow::SigLevel), "20.0");
}

TEST_F(FieldConverterTest, LabelMarkersWaitForEveryTabPage) {
    pages.tabPagesExist = false;
    enterGeneral(GeneralRow::PdopMask, "15");
    EXPECT_EQ(pages.title, "Orv *");
    EXPECT_EQ(labelText(DefinitionTable::General, GeneralRow::PdopMask), "PDOP Mask");

    pages.tabPagesExist = true;
    record.stringChanged[StringRow::Notes] = true;
    record.seasonChanged[0][SeasonRow::GpsNumHours_1] = true;
    record.seasonChanged[1][SeasonRow::GpsNumHours_2] = true;  // season 2 is not shown
    converter.refreshMarkers();
    EXPECT_EQ(labelText(DefinitionTable::General, GeneralRow::PdopMask), "* PDOP Mask");
    EXPECT_EQ(labelText(DefinitionTable::String, StringRow::Notes), "* Notes");
    EXPECT_EQ(labelText(DefinitionTable::Season, SeasonRow::GpsNumHours_1), "* GPS Duty Cycle 1 - # Hours");
    EXPECT_EQ(labelText(DefinitionTable::Season, SeasonRow::GpsNumHours_2), "GPS Duty Cycle 2 - # Hours");

    record.generalChanged[GeneralRow::PdopMask] = false;
    converter.refreshMarkers();
    EXPECT_EQ(labelText(DefinitionTable::General, GeneralRow::PdopMask), "PDOP Mask");
}

TEST_F(FieldConverterTest, NewDeviceKeyClearsTheShownFirmwareTexts) {
    MemoryFieldControls& gps = *pages.page(Page::GpsParms);
    const auto strings = stringDefinitions();
    for (int row = StringRow::FenmodFwVer; row <= StringRow::SigProcFwVer; ++row) {
        gps.setText(strings[static_cast<std::size_t>(row)].controlId, "N4 010203 04");
    }
    EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::String, StringRow::CtnNumber, 1, "C-17"),
              EditOutcome::Taken);
    EXPECT_EQ(record.text(StringRow::CtnNumber), "C-17");
    EXPECT_TRUE(record.stringChanged[StringRow::CtnNumber]);
    for (int row = StringRow::FenmodFwVer; row <= StringRow::SigProcFwVer; ++row) {
        const std::string expected = row == StringRow::CmdRecFwVer ? "N4 010203 04" : "";
        EXPECT_EQ(gps.text(strings[static_cast<std::size_t>(row)].controlId), expected) << row;
    }
}

TEST_F(FieldConverterTest, SeasonSelectorStoresTheSeasonLeft) {
    converter.showSeason(2);
    const ParameterDefinition& hours = seasonDefinitions()[SeasonRow::GpsNumHours_1];
    MemoryFieldControls& panel = *pages.page(hours.page);
    panel.setText(hours.controlId, "48");  // typed, the field not yet left

    MemoryFieldControls& schedule = *pages.page(Page::Schedule);
    const ParameterDefinition& selector = seasonDefinitions()[SeasonRow::Season];
    schedule.setText(selector.controlId, "3");
    converter.fieldEdited(Page::Schedule, SeasonRow::Season);

    EXPECT_EQ(record.season(2, SeasonRow::GpsNumHours_1), 48);
    EXPECT_TRUE(record.seasonChanged[1][SeasonRow::GpsNumHours_1]);
    EXPECT_EQ(record.season(3, SeasonRow::GpsNumHours_1), 24);
    EXPECT_EQ(record.currentSeason(), 3);
    EXPECT_EQ(panel.text(hours.controlId), "24");
    EXPECT_EQ(schedule.text(selector.controlId), "3");

    schedule.setText(selector.controlId, "13");  // held to 1..12
    converter.fieldEdited(Page::Schedule, SeasonRow::Season);
    EXPECT_EQ(record.currentSeason(), 12);
}

TEST_F(FieldConverterTest, LeavingASelectorOutsideTheSeasonsStoresTheSeasonShown) {
    converter.showSeason(12);
    record.seasonValues[0][SeasonRow::Season] = 40;  // a damaged file: the tab still shows season 12
    const ParameterDefinition& hours = seasonDefinitions()[SeasonRow::GpsNumHours_1];
    MemoryFieldControls& panel = *pages.page(hours.page);
    panel.setText(hours.controlId, "48");

    const ParameterDefinition& selector = seasonDefinitions()[SeasonRow::Season];
    pages.page(Page::Schedule)->setText(selector.controlId, "3");
    converter.fieldEdited(Page::Schedule, SeasonRow::Season);

    EXPECT_EQ(record.season(12, SeasonRow::GpsNumHours_1), 48);
    EXPECT_EQ(record.currentSeason(), 3);
    EXPECT_EQ(panel.text(hours.controlId), "24");
}

TEST_F(FieldConverterTest, ShowingASeasonChangesNothingInIt) {
    // A number-of-days season of length 0: the start-day row (1..365) must not
    // clamp it while the season is shown.
    record.season(4, SeasonRow::NumberOfDays) = 0;
    converter.showSeason(4);
    EXPECT_EQ(record.season(4, SeasonRow::NumberOfDays), 0);
    EXPECT_FALSE(record.seasonChanged[3][SeasonRow::NumberOfDays]);
    EXPECT_FALSE(record.recordDirty);
    EXPECT_EQ(pages.title, "Orv");
    EXPECT_EQ(valueText(DefinitionTable::Season, SeasonRow::NumberOfDays), "0");

    // A day-of-year season shows its start day as a date.
    record.season(5, SeasonRow::SeasonType) = 1;
    record.season(5, SeasonRow::NumberOfDays) = 74;
    converter.showSeason(5);
    EXPECT_EQ(valueText(DefinitionTable::Season, SeasonRow::LengthOfSeasonSeasonStartDay), "Mar 15");
    EXPECT_FALSE(record.recordDirty);
}

TEST_F(FieldConverterTest, SeasonTypeRadioPairShareOneValue) {
    const ParameterDefinition& dayOfYear = seasonDefinitions()[SeasonRow::SeasonType];
    const ParameterDefinition& numDays = seasonDefinitions()[SeasonRow::NumDaysCheck];
    MemoryFieldControls& schedule = *pages.page(Page::Schedule);
    converter.showSeason(1);
    EXPECT_FALSE(schedule.checkState(dayOfYear.controlId));
    EXPECT_TRUE(schedule.checkState(numDays.controlId));

    schedule.setCheckState(numDays.controlId, false);
    EXPECT_EQ(converter.readField(Page::Schedule, SeasonRow::NumDaysCheck), 0);
    EXPECT_EQ(record.season(1, SeasonRow::SeasonType), 0);  // reading it stores nothing

    // Clicking "Number of Days" off clicks "Day of Year" on.
    EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::Season, SeasonRow::NumDaysCheck, 1, "FALSE"),
              EditOutcome::Taken);
    EXPECT_EQ(record.season(1, SeasonRow::SeasonType), 1);
}

TEST_F(FieldConverterTest, ReadingPagesStoresEveryControl) {
    converter.showSeason(1);
    for (const Page page : {Page::GpsParms, Page::Transmitter}) {
        for (std::size_t row = 0; row < kGeneralCount; ++row) {
            if (generalDefinitions()[row].page == page) {
                converter.showField(page, static_cast<int>(row));
            }
        }
    }
    MemoryFieldControls& gps = *pages.page(Page::GpsParms);
    gps.setText(generalDefinitions()[GeneralRow::PdopSw].controlId, "7");
    converter.readGeneralPages();
    EXPECT_EQ(record.general(GeneralRow::PdopSw), 7);

    // A number-of-days season is read through the days edit.
    const ParameterDefinition& days = seasonDefinitions()[SeasonRow::NumberOfDays];
    pages.page(days.page)->setText(days.controlId, "0");
    converter.readSeasonPage(1);
    EXPECT_EQ(record.season(1, SeasonRow::NumberOfDays), 0);
}

TEST_F(FieldConverterTest, UnsavedChangesQuestion) {
    EXPECT_EQ(converter.askUnsavedChanges("Lose them?", true), 0);
    EXPECT_TRUE(presenter.boxes.empty());

    converter.markRecordDirty();
    EXPECT_EQ(pages.title, "Orv *");
    presenter.answer(kAnswerYes).answer(kAnswerCancel);
    EXPECT_EQ(converter.askUnsavedChanges("Lose them?", false), kAnswerYes);
    EXPECT_EQ(converter.askUnsavedChanges("100% sure?", true), kAnswerCancel);
    EXPECT_EQ(presenter.boxes[0].kind, BoxKind::Choice);
    EXPECT_EQ(presenter.boxes[1].kind, BoxKind::YesNoCancel);
    EXPECT_EQ(presenter.boxes[1].text, "100% sure?");
}

TEST_F(FieldConverterTest, TypedChoicesAndFlags) {
    EXPECT_EQ(enterGeneral(GeneralRow::ArgosCh, "s10"), 9);
    EXPECT_EQ(enterGeneral(GeneralRow::ArgosCh, "S1    401.6300"), 0);
    EXPECT_EQ(enterGeneral(GeneralRow::BeaconType, "wren-2 2400"), 3);
    EXPECT_EQ(enterGeneral(GeneralRow::PosVelFilter, "false"), 0);
    EXPECT_EQ(enterGeneral(GeneralRow::PosVelFilter, "1"), 1);
    EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::General, GeneralRow::PosVelFilter, 1, "yes"),
              EditOutcome::NotAChoice);
    EXPECT_EQ(enterFieldText(converter, pages, DefinitionTable::General, GeneralRow::ArgosCh, 1, "S99"),
              EditOutcome::NotAChoice);
    EXPECT_EQ(
        enterFieldText(converter, pages, DefinitionTable::Season, SeasonRow::NextSeason, 13, "shutdown"),
        EditOutcome::NoSuchSeason);
}

}  // namespace
}  // namespace orv
