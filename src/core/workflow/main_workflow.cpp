#include "workflow/main_workflow.h"

#include "app/format_text.h"
#include "app/message_log.h"
#include "app/settings_file.h"
#include "db/parameter_db.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/access.h"
#include "model/field_converter.h"
#include "model/lists.h"
#include "model/page_set.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/archive_files.h"
#include "workflow/device_jobs.h"
#include "workflow/main_rules.h"
#include "workflow/page_fields.h"
#include "workflow/save_rules.h"
#include "workflow/write_completion.h"
#include "workflow/write_confirmations.h"

namespace orv {

namespace {

// The main window's own string rows, in the order they are read and shown.
constexpr int kMainStringRows[] = {
    StringRow::JobNumber,  StringRow::CtnNumber,    StringRow::DevStatus,        StringRow::Notes,
    StringRow::Customer,   StringRow::CoordSignoff, StringRow::CoordSignoffDate, StringRow::ProgrammedBy,
    StringRow::ProgByDate, StringRow::UserName,     StringRow::UserAccessLevel};

constexpr const char* kReadQuestion =
    "Some data has has been changed on the screen -- reading from the\n"
    "database now will destroy those changes.\n"
    "Are you sure want to continue?";
constexpr const char* kDefaultsQuestion =
    "Data has been changed on the screen since the device was last saved\n"
    "to the database.  Setting default values could destroy those changes.\n"
    "Are you sure you want to continue?";
constexpr const char* kExitQuestion =
    "Screen data has not been saved to the database.\n"
    "Do you want to save the data?\n"
    "\n"
    "'Yes' will save the data and exit the application.\n"
    "'No' will exit without saving the data.\n"
    "'Cancel' will return to the application.";

// Which row a focused control belongs to on a page: the general table, or the season table on the Schedule
// pages.
int rowOfControl(Page page, int controlId) {
    const auto table = isSchedulePage(page) ? seasonDefinitions() : generalDefinitions();
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].controlId == controlId && table[row].page == page) return static_cast<int>(row);
    }
    return -1;
}

}  // namespace

int mainStringControl(int stringRow) {
    return stringDefinitions()[static_cast<std::size_t>(stringRow)].controlId;
}
int mainGeneralControl(int generalRow) {
    return generalDefinitions()[static_cast<std::size_t>(generalRow)].controlId;
}
int controlRowId(int controlRow) {
    return controlDefinitions()[static_cast<std::size_t>(controlRow)].controlId;
}

ChangeNameCaptions changeNameCaptions(NameField field) {
    return field == NameField::Job
               ? ChangeNameCaptions{"Current Job Number", "New Job Number"}
               : ChangeNameCaptions{"Current CTN/Sequence Number", "New CTN/Sequence Number"};
}

MainWorkflow::MainWorkflow(const WorkflowParts& parts, MainView& view) : p(parts), view(view) {}

FieldControls* MainWorkflow::mainControls() {
    return p.pages.controls(Page::Main);
}

std::string MainWorkflow::controlText(int stringRow) {
    FieldControls* controls = mainControls();
    return controls != nullptr ? trimTrailingBlanks(controls->text(mainStringControl(stringRow)))
                               : std::string();
}

std::string MainWorkflow::statusText() {
    return bareStatus(selectedEntry(view.statusList()));
}

int MainWorkflow::statusIndex(const std::string& status) {
    const auto statuses = deviceStatusList();
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        if (status == statuses[i]) return static_cast<int>(i);
    }
    return 0;
}

void MainWorkflow::initialize() {
    if (FieldControls* controls = mainControls()) {
        for (const DefinitionTable table :
             {DefinitionTable::General, DefinitionTable::String, DefinitionTable::Control}) {
            applyAccess(*controls, Page::Main, definitionTable(table), p.settings.userMask, true);
        }
    }
    ChoiceList& statuses = view.statusList();
    statuses.clear();
    for (const char* status : deviceStatusList()) statuses.add(status);
    statuses.select(0);
    fillRangeList();
    const int firmwareRow = findFirmware(readCurrentFirmware(p.settingsFile));
    if (firmwareRow != kFirmwareNotSupported) view.showFirmwareRow(firmwareRow);

    p.db.fillJobAndCtnLists("", "", view.jobList(), view.ctnList());
    if (FieldControls* controls = mainControls()) {
        for (const int row : {StringRow::JobNumber, StringRow::CtnNumber}) {
            if (controlText(row).empty()) controls->setText(mainStringControl(row), kDefaultDevice);
        }
    }
    p.record.text(StringRow::JobNumber) = controlText(StringRow::JobNumber);
    p.record.text(StringRow::CtnNumber) = controlText(StringRow::CtnNumber);
    p.record.text(StringRow::DevStatus) = kStatusWorking;
    p.db.readDevice(p.record.text(StringRow::JobNumber), p.record.text(StringRow::CtnNumber), kStatusWorking,
                    kReadDevice);
    applyLoadFixups(p.record);
    markStoredStatuses();
    showRecord();
    p.converter.clearChanges();
}

void MainWorkflow::fillRangeList() {
    range = readRangeEntries(p.settingsFile);
    FieldControls* controls = mainControls();
    if (controls == nullptr) return;
    std::vector<std::string> texts;
    for (const RangeEntry& entry : range) texts.push_back(entry.text);
    const int id = controlRowId(MainControlRow::Range);
    controls->setComboItems(id, texts);
    controls->setComboSelection(id, static_cast<int>(texts.size()) - 1);
}

void MainWorkflow::collectMainFields() {
    FieldControls* controls = mainControls();
    if (controls == nullptr) return;
    for (const int row : kMainStringRows) {
        const int id = mainStringControl(row);
        if (!controls->hasControl(id)) continue;
        std::string text;
        if (row == StringRow::DevStatus) {
            text = statusText();
        } else if (row == StringRow::JobNumber || row == StringRow::CtnNumber) {
            text = controlText(row);
        } else {
            text = controls->text(id);
        }
        p.converter.storeText(p.record.text(row), text, Page::Main, row);
    }
    if (controls->hasControl(mainGeneralControl(GeneralRow::StartYear))) {
        p.converter.readField(Page::Main, GeneralRow::StartYear);
    }
}

void MainWorkflow::collectScreen() {
    if (const auto tab = view.currentTab()) storeTabFields(*tab, p.converter, p.pages, p.record);
    collectMainFields();
}

void MainWorkflow::collectAllPages() {
    p.converter.readGeneralPages();
    for (const Page page : kAllTabPages) storePageTexts(page, p.converter, p.pages, p.record);
    storeTabFields(Tab::Schedule, p.converter, p.pages, p.record);
    collectMainFields();
}

void MainWorkflow::showPage(Page page) {
    showPageFields(page, p.converter, p.pages, p.record);
    view.pageShown(page);
}

void MainWorkflow::showMainFields() {
    FieldControls* controls = mainControls();
    if (controls == nullptr) return;
    for (const int row : kMainStringRows) {
        if (row == StringRow::DevStatus) {
            selectByPrefix(view.statusList(), bareStatus(p.record.text(row)));
        } else {
            controls->setText(mainStringControl(row), p.record.text(row));
        }
    }
    if (controls->hasControl(mainGeneralControl(GeneralRow::StartYear))) {
        p.converter.showField(Page::Main, GeneralRow::StartYear);
    }
}

void MainWorkflow::showRecord() {
    for (const Page page : kAllTabPages) showPage(page);
    showMainFields();
    updateDatabaseButtons();
}

void MainWorkflow::updateDatabaseButtons() {
    FieldControls* controls = mainControls();
    if (controls != nullptr) {
        const bool allowed =
            databaseEditAllowed(statusText(), p.settings.userMask, controls->text(mainStringControl(0)));
        const int selection = controls->comboSelection(controlRowId(MainControlRow::Range));
        const bool enabled = saveDeleteEnabled(allowed, selection, static_cast<int>(range.size()));
        controls->enableControl(controlRowId(MainControlRow::Save), enabled);
        controls->enableControl(controlRowId(MainControlRow::Delete), enabled);
    }
    p.converter.refreshMarkers();
}

void MainWorkflow::refillLists() {
    p.db.fillJobAndCtnLists(p.record.text(StringRow::JobNumber), p.record.text(StringRow::CtnNumber),
                            view.jobList(), view.ctnList());
    if (FieldControls* controls = mainControls()) {
        controls->setText(mainStringControl(StringRow::JobNumber), p.record.text(StringRow::JobNumber));
        controls->setText(mainStringControl(StringRow::CtnNumber), p.record.text(StringRow::CtnNumber));
    }
}

void MainWorkflow::markStoredStatuses() {
    const std::string status = bareStatus(p.record.text(StringRow::DevStatus));
    p.db.markStoredStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            statusIndex(status), view.statusList());
}

int MainWorkflow::saveRecord() {
    collectScreen();
    FieldControls* controls = mainControls();
    if (controls == nullptr || !controls->hasControl(mainStringControl(StringRow::JobNumber)) ||
        !controls->hasControl(mainStringControl(StringRow::CtnNumber))) {
        return 1;
    }
    ParameterRecord& r = p.record;
    const std::string job = controlText(StringRow::JobNumber);
    const std::string ctn = controlText(StringRow::CtnNumber);
    const int mask = p.settings.userMask;
    const std::string status = bareStatus(r.text(StringRow::DevStatus));

    const SaveQuestion question = saveQuestion(status, mask);
    const bool yes = question != SaveQuestion::None &&
                     p.log.choice(saveQuestionText(question), r.text(StringRow::UserName).c_str()) == kAnswerYes;
    const SaveOutcome outcome = applySaveRules(r, status, mask, yes, clock());
    if (!outcome.store) return 0;
    if (outcome.signedOff &&
        p.log.choice("Do you want to print a 'COORDINATOR SIGNOFF' SPR Report?") == kAnswerYes) {
        view.printSpr(kCoordinatorSignoffTitle);
    }

    const int result = p.db.saveDevice(job, ctn, outcome.status);
    if (result == 0) showRecord();
    p.converter.clearChanges();
    refillLists();
    markStoredStatuses();
    return result;
}

void MainWorkflow::readRecord() {
    collectScreen();
    if (p.converter.askUnsavedChanges(kReadQuestion, false) == kAnswerNo) return;
    ParameterRecord& r = p.record;
    const std::string status = statusText();
    r.text(StringRow::JobNumber) = controlText(StringRow::JobNumber);
    r.text(StringRow::CtnNumber) = controlText(StringRow::CtnNumber);
    const int result =
        p.db.readDevice(r.text(StringRow::JobNumber), r.text(StringRow::CtnNumber), status, kReadDevice);
    applyReadFixups(r);
    if (result == 0) p.converter.clearChanges();
    showRecord();
    if (const auto tab = view.currentTab()) showPage(pageOfTab(*tab, r));
    refillLists();
    markStoredStatuses();
    p.converter.clearChanges();
}

void MainWorkflow::checkRecord() {
    collectScreen();
    ParameterRecord& r = p.record;
    const std::string job = controlText(StringRow::JobNumber);
    const std::string ctn = controlText(StringRow::CtnNumber);
    p.converter.readGeneralPages();
    if (p.pages.controls(Page::Schedule) != nullptr) p.converter.readSeasonPage(r.currentSeason());
    collectMainFields();
    if (p.db.readDevice(job, ctn, statusText(), kCheckDevice) == 0) {
        p.log.information("The screen information is the same as the data in the database.");
    }
}

void MainWorkflow::deleteRecord() {
    if (const auto tab = view.currentTab()) storeTabFields(*tab, p.converter, p.pages, p.record);
    const std::string status = statusText();
    const std::string job = controlText(StringRow::JobNumber);
    const std::string ctn = controlText(StringRow::CtnNumber);
    if (p.log.choice(
            "Are you sure you want to delete Job #: '%s', Ctn #: '%s'\nStatus: '%s' from the database?",
            job.c_str(), ctn.c_str(), status.c_str()) != kAnswerYes) {
        p.log.information("The device was NOT deleted from the database.");
    } else {
        const int result = p.db.deleteDevice(job, ctn, status);
        if (result == -1) {
            p.log.information("Job #: '%s', Ctn #: '%s', Status: '%s' was not found in the database",
                              job.c_str(), ctn.c_str(), status.c_str());
        } else if (result == 0) {
            p.log.information("Job #: '%s', Ctn #: '%s', Status: '%s' has been deleted from the database",
                              job.c_str(), ctn.c_str(), status.c_str());
        }
    }
    refillLists();
    markStoredStatuses();
}

void MainWorkflow::enterPressed(int focusedControl) {
    ParameterRecord& r = p.record;
    if (const auto tab = view.currentTab(); tab && focusedControl != 0) {
        for (const Page candidate : shownPagesOfTab(*tab, r)) {
            const int row = rowOfControl(candidate, focusedControl);
            if (row >= 0) {
                p.converter.fieldEdited(candidate, row);
                break;
            }
        }
    }
    const std::string job = controlText(StringRow::JobNumber);
    const std::string ctn = controlText(StringRow::CtnNumber);
    const bool keyChanged = !job.empty() && !ctn.empty() &&
                            (job != r.text(StringRow::JobNumber) || ctn != r.text(StringRow::CtnNumber));
    collectMainFields();
    if (!keyChanged) return;
    if (p.log.choice("The Job Number and/or a CTN/sequence number have changed.\n"
                     "Do you want to read the device from the database?") == kAnswerYes) {
        if (p.db.readDevice(job, ctn, statusText(), kReadDevice) != 0) {
            p.log.information("Did not read the device correctly from the database.");
        }
    }
    applyLoadFixups(r);
    r.text(StringRow::JobNumber) = job;
    r.text(StringRow::CtnNumber) = ctn;
    showRecord();
}

void MainWorkflow::statusChanged() {
    p.record.text(StringRow::DevStatus) = statusText();
    updateDatabaseButtons();
    for (const int row : {StringRow::JobNumber, StringRow::CtnNumber, StringRow::DevStatus}) {
        p.converter.markChanged(Page::Main, DefinitionTable::String, row);
    }
}

void MainWorkflow::jobTyped() {
    p.converter.markChanged(Page::Main, DefinitionTable::String, StringRow::JobNumber);
}

void MainWorkflow::ctnTyped() {
    p.converter.markChanged(Page::Main, DefinitionTable::String, StringRow::CtnNumber);
}

void MainWorkflow::jobLeft() {
    const std::string job = controlText(StringRow::JobNumber);
    ChoiceList& jobs = view.jobList();
    bool known = false;
    for (int i = 0; i < jobs.count(); ++i) known = known || trimTrailingBlanks(jobs.entry(i)) == job;
    const std::string ctn = controlText(StringRow::CtnNumber);
    if (known) {
        p.db.fillJobAndCtnLists(job, "", jobs, view.ctnList());
    } else {
        view.ctnList().clear();
        if (FieldControls* controls = mainControls())
            controls->setText(mainStringControl(StringRow::CtnNumber), ctn);
    }
    if (FieldControls* controls = mainControls())
        controls->setText(mainStringControl(StringRow::JobNumber), job);
    p.converter.storeText(p.record.text(StringRow::JobNumber), job, Page::Main, StringRow::JobNumber);
    p.converter.storeText(p.record.text(StringRow::CtnNumber), controlText(StringRow::CtnNumber), Page::Main,
                          StringRow::CtnNumber);
    ctnLeft();
}

void MainWorkflow::ctnLeft() {
    p.db.markStoredStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            view.statusList().selected(), view.statusList());
    updateDatabaseButtons();
}

void MainWorkflow::jobSelected() {
    p.db.fillJobAndCtnLists(controlText(StringRow::JobNumber), "", view.jobList(), view.ctnList());
    p.db.markStoredStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            view.statusList().selected(), view.statusList());
    for (const int row : {StringRow::JobNumber, StringRow::CtnNumber, StringRow::DevStatus}) {
        p.converter.markChanged(Page::Main, DefinitionTable::String, row);
    }
}

void MainWorkflow::ctnSelected() {
    p.converter.markChanged(Page::Main, DefinitionTable::String, StringRow::CtnNumber);
    p.db.markStoredStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            view.statusList().selected(), view.statusList());
}

void MainWorkflow::textEdited(int stringRow) {
    if (FieldControls* controls = mainControls()) {
        p.converter.storeText(p.record.text(stringRow), controls->text(mainStringControl(stringRow)),
                              Page::Main, stringRow);
    }
}

int MainWorkflow::changeDeviceName(NameField field, const std::string& newName) {
    const std::string job = controlText(StringRow::JobNumber);
    const std::string ctn = controlText(StringRow::CtnNumber);
    if (newName.empty() || ctn.empty() || job.empty()) {
        p.log.warning(
            "The current Job Number and CTN number and the '%s' fields\n"
            "must all have data when changing the device name in the database.\n"
            "\n"
            "The device has NOT been changed.",
            changeNameCaptions(field).replacement);
        return 1;
    }
    // The device on the screen is renamed, with all its statuses.
    const std::string newJob = field == NameField::Job ? newName : job;
    const std::string newCtn = field == NameField::Ctn ? newName : ctn;
    if (p.db.changeDevice(job, ctn, newJob, newCtn) != 0) return 1;
    p.record.text(StringRow::JobNumber) = newJob;
    p.record.text(StringRow::CtnNumber) = newCtn;
    refillLists();
    markStoredStatuses();
    return 0;
}

void MainWorkflow::loadDevice(const std::string& status) {
    ParameterRecord& r = p.record;
    p.db.readDevice(r.text(StringRow::JobNumber), r.text(StringRow::CtnNumber), status, kReadDevice);
    applyLoadFixups(r);
    p.converter.clearChanges();
    showRecord();
}

void MainWorkflow::loadLookedUpDevice(const std::string& job, const std::string& ctn,
                                      const std::string& status) {
    ParameterRecord& r = p.record;
    r.text(StringRow::JobNumber) = job;
    r.text(StringRow::CtnNumber) = ctn;
    r.text(StringRow::DevStatus) = bareStatus(status);
    loadDevice(r.text(StringRow::DevStatus));
    refillLists();
    selectByPrefix(view.statusList(), r.text(StringRow::DevStatus));
    markStoredStatuses();
}

void MainWorkflow::selectRange() {
    FieldControls* controls = mainControls();
    if (controls == nullptr) return;
    const int selected = controls->comboSelection(controlRowId(MainControlRow::Range));
    if (selected < 0) return;
    p.settings.parameterDbPath =
        readSetting(p.settingsFile, "Files", formatText("Parameter Db%d", selected + 1), kDefaultParameterDb)
            .text;
    p.db.setCurrentPath(p.settings.parameterDbPath);
    p.db.fillJobAndCtnLists(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            view.jobList(), view.ctnList());
    p.db.markStoredStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber),
                            view.statusList().selected(), view.statusList());
    updateDatabaseButtons();
}

bool MainWorkflow::applyLogin(const std::string& userName, const std::string& level, int userMask) {
    ParameterRecord& r = p.record;
    if (userName == r.text(StringRow::UserName) && userMask == p.settings.userMask) return false;
    r.text(StringRow::UserName) = userName;
    r.text(StringRow::UserAccessLevel) = level;
    p.settings.userName = userName;
    p.settings.accessLevel = level;
    p.settings.userMask = userMask;
    std::vector<Page> withMain{Page::Main};
    withMain.insert(withMain.end(), kAllTabPages.begin(), kAllTabPages.end());
    for (const Page page : withMain) {
        FieldControls* controls = p.pages.controls(page);
        if (controls == nullptr) continue;
        for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season,
                                            DefinitionTable::String, DefinitionTable::Control}) {
            applyAccess(*controls, page, definitionTable(table), userMask, true);
        }
    }
    showRecord();
    return true;
}

void MainWorkflow::applyFirmwareSelection(int row) {
    const auto table = firmwareTable();
    if (row < 0 || row >= static_cast<int>(table.size())) return;
    const char* version = table[static_cast<std::size_t>(row)].version;
    writeCurrentFirmware(p.settingsFile, version);
    p.record.text(StringRow::FenmodFwVer) = version;
    enterPressed(0);
    showPage(Page::Beacon);
    showPage(Page::GpsParms);
    showMainFields();
}

bool MainWorkflow::confirmDefaults() {
    return p.converter.askUnsavedChanges(kDefaultsQuestion, false) != kAnswerNo;
}

void MainWorkflow::defaultsApplied() {
    showRecord();
    p.converter.clearChanges();
    p.converter.markRecordDirty();
}

bool MainWorkflow::exitApplication() {
    const int answer = p.converter.askUnsavedChanges(kExitQuestion, true);
    switch (answer) {
        case 0:
            return p.log.choice("Are you really sure you want to exit the application?") == kAnswerYes;
        case kAnswerYes:
            return saveRecord() == 0;
        case kAnswerNo:
            return true;
        default:
            return false;
    }
}

WritePlan MainWorkflow::prepareWrite() {
    WritePlan plan;
    collectScreen();
    storePageTexts(Page::Beacon, p.converter, p.pages, p.record);
    if (activityCheck(p.record, p.log) != 0) return plan;
    const ParameterRecord& r = p.record;
    const std::string& user = r.text(StringRow::UserName);
    if (user.empty()) {
        p.log.error("%s", kUserNeededToProgram);
        return plan;
    }
    if (mayProgramWithoutSaving(p.settings.userMask)) {
        plan.saveAfterProgramming = p.log.choice(
                                        "Do you want to save the device as 'Programmmed' with\n"
                                        "'%s' as the 'Programmed By' entry?\n"
                                        "\n"
                                        "No means program the device without saving.",
                                        user.c_str()) == kAnswerYes;
    } else {
        if (p.log.choice("After programming, the configuration will be saved to the database\n"
                         "with '%s' as the 'Programmed By' entry.\n"
                         "\n"
                         "Do you want to continue?",
                         user.c_str()) != kAnswerYes) {
            p.log.warning("The device was NOT programmed.");
            return plan;
        }
        plan.saveAfterProgramming = true;
    }
    if (zeroPttIdNeedsConsent(r)) {
        if (p.log.choice("%s", kZeroPttIdQuestion) != kAnswerYes) return plan;
        plan.rootIdFlag = true;
    }
    plan.proceed = p.log.choice(
                       "Programming the device will replace the configuration\n"
                       "now in the device.\n"
                       "\n"
                       "Are you sure you want to continue?") == kAnswerYes;
    return plan;
}

void MainWorkflow::writeFinished(int result, const WritePlan& plan, std::span<const std::uint8_t> image) {
    ParameterRecord& r = p.record;
    showRecord();
    if (result == 0) {
        if (plan.saveAfterProgramming) {
            p.converter.clearChanges();
            saveProgrammed(r, p.db, controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber), clock());
            showRecord();
            markStoredStatuses();
        }
        archiveProgrammed(r, p.settingsFile, image, p.log);
        if (p.log.choice("Do you want to print a 'DEVICE PROGRAMMING' SPR Report?") == kAnswerYes) {
            view.printSpr(kDeviceProgrammingTitle);
        }
        p.log.warning("%s", kRestartWarning);
    }
    showPage(Page::GpsParms);
}

void MainWorkflow::shutdownFinished(int result) {
    if (result != 0) return;
    p.log.warning(
        "The System has been successfully shut down and may be stored without a shutdown\n"
        "  magnet being placed next to the unit!\n"
        "\n"
        "IMPORTANT!! After System Shutdown, the GPS System must be restarted by applying the\n"
        "  magnet to the case for at least 40 seconds or by disconnecting the power temporarily.\n"
        "\n"
        "IF THE GPS SYSTEM IS NOT RESTARTED, NO DATA WILL BE RECORDED!!");
}

void MainWorkflow::prepareReadDevice() {
    clearFactoryValues(p.record);
    showPage(Page::FactParms);
}

void MainWorkflow::prepareCheckDevice() {
    collectScreen();
}

void MainWorkflow::readFinished(bool loaded) {
    if (loaded) {
        p.converter.clearChanges();
        showRecord();
        // What came from the collar or the file is not yet in the database.
        p.converter.clearChanges();
        p.converter.markRecordDirty();
    }
    showMainFields();
}

void MainWorkflow::firmwareFinished(int result) {
    if (result != 0) return;
    const std::string& version = p.record.text(StringRow::FenmodFwVer);
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) {
        p.log.error(
            "The GPS system firmware version ('%s') is not supported.\n"
            "The firmware version was NOT set correctly.\n"
            "\n"
            "Contact Halvorn support to get a Orv upgrade.\n",
            version.c_str());
        return;
    }
    p.firmware.selectRow(row);
    p.log.information("OK, the firmware version is now set correctly to '%s'.",
                      firmwareTable()[static_cast<std::size_t>(row)].version);
}

bool MainWorkflow::prepareExport() {
    collectScreen();
    storePageTexts(Page::Beacon, p.converter, p.pages, p.record);
    if (p.record.text(StringRow::FenmodFwVer).empty()) {
        p.log.error(
            "The programmed Firmware is not known.  To proceed, either select the correct firmware\n"
            "  from the dropdown box, or connect to the GPS system and click on the 'Firmware' button to\n"
            "    read the programmed firmware from the GPS system!\n"
            "\n"
            "      No File has been exported!");
        return false;
    }
    return true;
}

void MainWorkflow::tabLeaving(Tab tab) {
    storeTabFields(tab, p.converter, p.pages, p.record);
}

void MainWorkflow::tabShown(Tab tab) {
    showPage(pageOfTab(tab, p.record));
}

}  // namespace orv
