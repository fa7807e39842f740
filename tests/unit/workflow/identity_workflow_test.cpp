// The identity area without a window: the first device, the Job/CTN/status
// combos, Enter, renaming, the lookups, the Range list, the login and the
// database buttons.

#include "image/firmware_table.h"
#include "workflow_fixture.h"

namespace orv::test {
namespace {

class Identity : public WorkflowTest {
protected:
    void SetUp() override { start(); }
    // Stores the record under another key, without asking; the record keeps its own key.
    void store(const std::string& job, const std::string& ctn, const std::string& status = "Working") {
        const ParameterRecord before = record;
        ASSERT_EQ(db.saveDevice(job, ctn, status), DbResult::Ok);
        for (const int row : {StringRow::JobNumber, StringRow::CtnNumber, StringRow::DevStatus})
            record.text(row) = before.text(row);
    }
};

TEST_F(Identity, TheProgramStartsOnTheDefaultDeviceMarkedAsStored) {
    EXPECT_EQ(shown(StringRow::JobNumber), "Default");
    EXPECT_EQ(shown(StringRow::CtnNumber), "Default");
    EXPECT_EQ(record.text(StringRow::DevStatus), "Working");
    EXPECT_EQ(view.statuses.entries.at(0), "Working --------------------");
    EXPECT_EQ(view.statuses.selected(), 0);
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk");
    EXPECT_TRUE(enabled(ControlRow::Save));
}

TEST_F(Identity, TheStartShowsTheFirmwareOfTheSettingsFile) {
    const char* version = firmwareTable()[2].version;
    writeSettings(std::string("[Firmware Version]\nCurrent Fw Ver=") + version + "\n");
    view.firmwareRows.clear();
    identity().initialize();
    EXPECT_EQ(view.firmwareRows, std::vector<int>{2});
}

TEST_F(Identity, SaveAndDeleteFollowStatusLevelAndJob) {
    selectStatus("Programmed");
    EXPECT_FALSE(enabled(ControlRow::Save));
    EXPECT_FALSE(enabled(ControlRow::Delete));
    selectStatus("Coord. Signoff");
    EXPECT_FALSE(enabled(ControlRow::Save));
    loginAs("Cora", "Coordinator", 0x022);
    selectStatus("Coord. Signoff");
    EXPECT_TRUE(enabled(ControlRow::Save));
    EXPECT_TRUE(enabled(ControlRow::Delete));
    type(StringRow::JobNumber, " DEFAULT");
    selectStatus("Working");
    EXPECT_FALSE(enabled(ControlRow::Save));
    loginAs("Erin", "Engineer", 0x088);
    selectStatus("Working");
    EXPECT_TRUE(enabled(ControlRow::Save));
    selectStatus("Programmed");
    EXPECT_TRUE(enabled(ControlRow::Save));
    // A status change marks the key as changed.
    EXPECT_TRUE(record.stringChanged[StringRow::DevStatus]);
    EXPECT_EQ(record.text(StringRow::DevStatus), "Programmed");
}

TEST_F(Identity, ANewKeyTypedIsOfferedForReadingOnEnter) {
    type(StringRow::JobNumber, "J42");
    identity().jobTyped();
    EXPECT_TRUE(record.stringChanged[StringRow::JobNumber]);
    answer(kAnswerNo);
    identity().enterPressed();
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "The Job Number and/or a CTN/sequence number have changed.\nDo you want to read the "
                  "device from the database?"});
    EXPECT_EQ(record.text(StringRow::JobNumber), "J42");
    // The same key again: no question.
    boxes.clear();
    identity().enterPressed();
    EXPECT_TRUE(texts().empty());
    // Yes reads a stored device; one that is not stored says so.
    record.text(StringRow::Customer) = "Stored";
    store("J1", "C1");
    record.text(StringRow::Customer) = "";
    type(StringRow::JobNumber, "J1");
    type(StringRow::CtnNumber, "C1");
    answer(kAnswerYes);
    identity().enterPressed();
    EXPECT_EQ(record.text(StringRow::Customer), "Stored");
    EXPECT_EQ(shown(StringRow::Customer), "Stored");
    boxes.clear();
    type(StringRow::CtnNumber, "C404");
    answer(kAnswerYes);
    identity().enterPressed();
    EXPECT_TRUE(saw("Did not read the device correctly from the database."));
    EXPECT_EQ(record.text(StringRow::CtnNumber), "C404");
}

TEST_F(Identity, EnterStoresTheFocusedFieldOfTheShownTab) {
    // The first integer row of the Misc. page, typed beyond its limit.
    const auto general = generalDefinitions();
    int row = 0;
    while (general[static_cast<std::size_t>(row)].page != Page::Misc ||
           general[static_cast<std::size_t>(row)].kind != KindInteger)
        ++row;
    const ParameterDefinition& definition = general[static_cast<std::size_t>(row)];
    pages.page(Page::Misc)->setText(definition.controlId, "99999999");
    // Not on the shown tab: nothing is read.
    view.tab = Tab::GpsParms;
    identity().enterPressed(PageRow{Page::Misc, DefinitionTable::General, row});
    EXPECT_NE(record.general(row), definition.maxValue);
    view.tab = Tab::Misc;
    identity().enterPressed(PageRow{Page::Misc, DefinitionTable::General, row});
    EXPECT_EQ(record.general(row), definition.maxValue) << "read and kept within its limits";
    EXPECT_TRUE(record.generalChanged[static_cast<std::size_t>(row)]);
}

TEST_F(Identity, LeavingTheJobRefillsOrEmptiesTheCtnList) {
    store("J1", "C1");
    store("J1", "C2");
    identity().jobSelected();  // the lists now know J1
    type(StringRow::JobNumber, "J1");
    identity().jobLeft();
    EXPECT_EQ(view.ctns.entries, (std::vector<std::string>{"C1", "C2"}));
    EXPECT_EQ(record.text(StringRow::JobNumber), "J1");
    EXPECT_EQ(record.text(StringRow::CtnNumber), "C1");
    type(StringRow::JobNumber, "Nobody");
    type(StringRow::CtnNumber, "C2");
    identity().jobLeft();
    EXPECT_TRUE(view.ctns.entries.empty());
    EXPECT_EQ(shown(StringRow::CtnNumber), "C2") << "what was typed stays";
    EXPECT_EQ(record.text(StringRow::JobNumber), "Nobody");
    EXPECT_EQ(view.statuses.entries.at(0), "Working") << "nothing stored for Nobody/C2";
}

TEST_F(Identity, SelectingACtnMarksItsStoredStatusesAndKeepsTheSelection) {
    store("J1", "C1", "Programmed");
    selectStatus("Coord. Signoff");
    type(StringRow::JobNumber, "J1");
    type(StringRow::CtnNumber, "C1");
    identity().ctnSelected();
    EXPECT_EQ(view.statuses.entries.at(2), "Programmed --------------------");
    EXPECT_EQ(view.statuses.selected(), 1);
    EXPECT_TRUE(record.stringChanged[StringRow::CtnNumber]);
}

TEST_F(Identity, RenamingNeedsEveryNameAndRenamesEveryStatus) {
    identity().changeDeviceName(NameField::Job, "");
    EXPECT_EQ(
        texts().front(),
        "The current Job Number and CTN number and the 'New Job Number' fields\nmust all have data when "
        "changing the device name in the database.\n\nThe device has NOT been changed.");
    store("Default", "Default", "Programmed");
    boxes.clear();
    EXPECT_EQ(identity().changeDeviceName(NameField::Ctn, "C77"), 0);
    EXPECT_EQ(storedStatuses("Default", "C77"), (std::vector<std::string>{"Working", "Programmed"}));
    EXPECT_TRUE(storedStatuses("Default", "Default").empty());
    EXPECT_EQ(shown(StringRow::CtnNumber), "C77");
    EXPECT_EQ(record.text(StringRow::CtnNumber), "C77");
    EXPECT_EQ(changeNameCaptions(NameField::Ctn).replacement, std::string("New CTN/Sequence Number"));
}

TEST_F(Identity, ALookedUpDeviceIsLoadedCleanWithItsStatusSelected) {
    record.text(StringRow::Customer) = "Birch";
    store("J5", "C5", "Coord. Signoff");
    record.text(StringRow::Customer) = "";
    identity().loadLookedUpDevice("J5", "C5", "Coord. Signoff --------------------");
    EXPECT_EQ(record.text(StringRow::Customer), "Birch");
    EXPECT_EQ(record.text(StringRow::DevStatus), "Coord. Signoff");
    EXPECT_EQ(view.statuses.selected(), 1);
    EXPECT_EQ(view.statuses.entries.at(1), "Coord. Signoff --------------------");
    EXPECT_EQ(shown(StringRow::JobNumber), "J5");
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk");
}

TEST_F(Identity, ALoginChangesNothingWhenNameAndLevelStay) {
    EXPECT_FALSE(identity().applyLogin({"User", "Customer", 0x011}));
    EXPECT_TRUE(identity().applyLogin({"Erin", "Engineer", 0x088}));
    EXPECT_EQ(user.mask, 0x088);
    EXPECT_EQ(user.level, "Engineer");
    EXPECT_EQ(shown(StringRow::UserName), "Erin");
    EXPECT_EQ(shown(StringRow::UserAccessLevel), "Engineer");
}

TEST_F(Identity, ChoosingAFirmwareRecordsItAndShowsItsVersion) {
    const char* version = firmwareTable()[1].version;
    identity().applyFirmwareSelection(1);
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), version);
    identity().applyFirmwareSelection(99);  // no such row
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), version);
    view.firmwareRows.clear();
    identity().initialize();
    EXPECT_EQ(view.firmwareRows, std::vector<int>{1}) << "the settings file remembers the choice";
}

class Range : public WorkflowTest {};

TEST_F(Range, SaveAndDeleteAreEnabledOnlyOnTheLastTwoOfThreeEntries) {
    writeSettings(
        "[DataBase]\nYears=3\n[Files]\nYear0=2004\nYear1=2005\nYear2=2006\nParameter Db1=old.mdb\n"
        "Parameter Db2=mid.mdb\nParameter Db3=Orv3.mdb\n");
    start();
    const int rangeId = controlRowControl(ControlRow::Range);
    ASSERT_EQ(main().control(rangeId)->items, (std::vector<std::string>{"2004", "2005", "2006"}));
    EXPECT_EQ(main().comboSelection(rangeId), 2);
    const bool expected[] = {false, true, true};
    const char* files[] = {"old.mdb", "mid.mdb", "Orv3.mdb"};
    for (const int entry : {0, 1, 2}) {
        main().setComboSelection(rangeId, entry);
        answer(kAnswerNo);  // a database that is not there is not created
        identity().selectRange();
        EXPECT_EQ(enabled(ControlRow::Save), expected[entry]) << entry;
        EXPECT_EQ(enabled(ControlRow::Delete), expected[entry]) << entry;
        EXPECT_EQ(settings.parameterDbPath, files[entry]);
        EXPECT_EQ(db.currentPath(), files[entry]);
    }
}

TEST_F(Range, WithoutRangeEntriesSaveFollowsTheStatusAlone) {
    start();
    EXPECT_TRUE(screen().rangeEntries().empty());
    EXPECT_TRUE(enabled(ControlRow::Save));
}

}  // namespace
}  // namespace orv::test
