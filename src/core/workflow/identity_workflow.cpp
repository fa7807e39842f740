#include "workflow/identity_workflow.h"

#include <algorithm>
#include <vector>

#include "app/format_text.h"
#include "app/message_log.h"
#include "app/settings_file.h"
#include "binding/control_access.h"
#include "binding/field_converter.h"
#include "binding/page_set.h"
#include "db/parameter_db.h"
#include "image/firmware_table.h"
#include "model/access.h"
#include "model/lists.h"
#include "model/record.h"
#include "workflow/main_controls.h"
#include "workflow/main_rules.h"
#include "workflow/main_screen.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

// A value row of its own page (the general table, or the season table on the
// Schedule pages) on a page the tab shows now.
bool isShownValueRow(const PageRow& focused, Tab tab, const ParameterRecord& record) {
    const DefinitionTable table =
        isSchedulePage(focused.page) ? DefinitionTable::Season : DefinitionTable::General;
    const auto definitions = definitionTable(table);
    if (focused.table != table || focused.row < 0 ||
        static_cast<std::size_t>(focused.row) >= definitions.size() ||
        definitions[static_cast<std::size_t>(focused.row)].page != focused.page)
        return false;
    const std::vector<Page> shown = shownPagesOfTab(tab, record);
    return std::find(shown.begin(), shown.end(), focused.page) != shown.end();
}

}  // namespace

ChangeNameCaptions changeNameCaptions(NameField field) {
    return field == NameField::Job ? ChangeNameCaptions{wftext::kCurrentJobCaption, wftext::kNewJobCaption}
                                   : ChangeNameCaptions{wftext::kCurrentCtnCaption, wftext::kNewCtnCaption};
}

IdentityWorkflow::IdentityWorkflow(MainScreen& screen) : screen(screen) {}

void IdentityWorkflow::initialize() {
    WorkflowParts& p = screen.parts();
    MainView& view = screen.mainView();
    if (FieldControls* controls = screen.mainControls()) {
        for (const DefinitionTable table :
             {DefinitionTable::General, DefinitionTable::String, DefinitionTable::Control}) {
            applyAccess(*controls, Page::Main, definitionTable(table), p.user.mask, true);
        }
    }
    ChoiceList& statuses = view.statusList();
    statuses.clear();
    for (const char* status : deviceStatusList()) statuses.add(status);
    statuses.select(0);
    screen.fillRangeList();
    // The list's last entry, unless the settings file names a supported version.
    const int firmwareRow = findFirmware(readCurrentFirmware(p.settingsFile));
    view.showFirmwareRow(firmwareRow != kFirmwareNotSupported ? firmwareRow
                                                              : static_cast<int>(firmwareTable().size()) - 1);

    fillJobAndCtnLists(p.db.jobAndCtnNumbers(""), "", view.jobList(), view.ctnList());
    if (FieldControls* controls = screen.mainControls()) {
        for (const int row : {StringRow::JobNumber, StringRow::CtnNumber}) {
            if (screen.controlText(row).empty()) controls->setText(mainStringControl(row), kDefaultDevice);
        }
    }
    p.record.text(StringRow::JobNumber) = screen.controlText(StringRow::JobNumber);
    p.record.text(StringRow::CtnNumber) = screen.controlText(StringRow::CtnNumber);
    p.record.text(StringRow::DevStatus) = kStatusWorking;
    // A device that cannot be read leaves the values as they are; the read has said why.
    static_cast<void>(p.db.readDevice(p.record.text(StringRow::JobNumber),
                                      p.record.text(StringRow::CtnNumber), kStatusWorking, ReadMode::Load));
    applyLoadFixups(p.record);
    screen.markStoredStatuses(StatusSelection::OfRecord);
    screen.showRecord();
    p.converter.clearChanges();
}

void IdentityWorkflow::enterPressed(std::optional<PageRow> focused) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    if (const auto tab = screen.mainView().currentTab();
        tab && focused && isShownValueRow(*focused, *tab, r)) {
        p.converter.fieldEdited(focused->page, focused->row);
    }
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    const bool keyChanged = !job.empty() && !ctn.empty() &&
                            (job != r.text(StringRow::JobNumber) || ctn != r.text(StringRow::CtnNumber));
    screen.collectMainFields();
    if (!keyChanged) return;
    if (p.log.choice("%s", wftext::kKeyChangedQuestion) == kAnswerYes) {
        if (p.db.readDevice(job, ctn, screen.statusText(), ReadMode::Load) != DbResult::Ok) {
            p.log.information("%s", wftext::kKeyReadFailed);
        }
    }
    applyLoadFixups(r);
    r.text(StringRow::JobNumber) = job;
    r.text(StringRow::CtnNumber) = ctn;
    screen.showRecord();
}

void IdentityWorkflow::markKeyChanged() {
    for (const int row : {StringRow::JobNumber, StringRow::CtnNumber, StringRow::DevStatus}) {
        screen.parts().converter.markChanged(Page::Main, DefinitionTable::String, row);
    }
}

void IdentityWorkflow::statusChanged() {
    screen.parts().record.text(StringRow::DevStatus) = screen.statusText();
    screen.updateDatabaseButtons();
    markKeyChanged();
}

void IdentityWorkflow::jobTyped() {
    screen.parts().converter.markChanged(Page::Main, DefinitionTable::String, StringRow::JobNumber);
}

void IdentityWorkflow::ctnTyped() {
    screen.parts().converter.markChanged(Page::Main, DefinitionTable::String, StringRow::CtnNumber);
}

void IdentityWorkflow::jobLeft() {
    WorkflowParts& p = screen.parts();
    MainView& view = screen.mainView();
    const std::string job = screen.controlText(StringRow::JobNumber);
    ChoiceList& jobs = view.jobList();
    bool known = false;
    for (int i = 0; i < jobs.count(); ++i) known = known || trimTrailingBlanks(jobs.entry(i)) == job;
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    if (known) {
        fillJobAndCtnLists(p.db.jobAndCtnNumbers(job), "", jobs, view.ctnList());
    } else {
        view.ctnList().clear();
        if (FieldControls* controls = screen.mainControls())
            controls->setText(mainStringControl(StringRow::CtnNumber), ctn);
    }
    if (FieldControls* controls = screen.mainControls())
        controls->setText(mainStringControl(StringRow::JobNumber), job);
    p.converter.storeText(p.record.text(StringRow::JobNumber), job, Page::Main, StringRow::JobNumber);
    p.converter.storeText(p.record.text(StringRow::CtnNumber), screen.controlText(StringRow::CtnNumber),
                          Page::Main, StringRow::CtnNumber);
    ctnLeft();
}

void IdentityWorkflow::ctnLeft() {
    screen.markStoredStatuses(StatusSelection::Kept);
    screen.updateDatabaseButtons();
}

void IdentityWorkflow::jobSelected() {
    MainView& view = screen.mainView();
    fillJobAndCtnLists(screen.parts().db.jobAndCtnNumbers(screen.controlText(StringRow::JobNumber)), "",
                       view.jobList(), view.ctnList());
    screen.markStoredStatuses(StatusSelection::Kept);
    markKeyChanged();
}

void IdentityWorkflow::ctnSelected() {
    screen.parts().converter.markChanged(Page::Main, DefinitionTable::String, StringRow::CtnNumber);
    screen.markStoredStatuses(StatusSelection::Kept);
}

void IdentityWorkflow::textEdited(int stringRow) {
    WorkflowParts& p = screen.parts();
    if (FieldControls* controls = screen.mainControls()) {
        p.converter.storeText(p.record.text(stringRow), controls->text(mainStringControl(stringRow)),
                              Page::Main, stringRow);
    }
}

int IdentityWorkflow::changeDeviceName(NameField field, const std::string& newName) {
    WorkflowParts& p = screen.parts();
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    if (newName.empty() || ctn.empty() || job.empty()) {
        p.log.warning(wftext::kRenameNeedsNames, changeNameCaptions(field).replacement);
        return 1;
    }
    // The device on the screen is renamed, with all its statuses.
    const std::string newJob = field == NameField::Job ? newName : job;
    const std::string newCtn = field == NameField::Ctn ? newName : ctn;
    if (p.db.changeDevice(job, ctn, newJob, newCtn) != DbResult::Ok) return 1;
    p.record.text(StringRow::JobNumber) = newJob;
    p.record.text(StringRow::CtnNumber) = newCtn;
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
    return 0;
}

void IdentityWorkflow::loadDevice(const std::string& status) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    // A device that cannot be read leaves the values as they are; the read has said why.
    static_cast<void>(
        p.db.readDevice(r.text(StringRow::JobNumber), r.text(StringRow::CtnNumber), status, ReadMode::Load));
    applyLoadFixups(r);
    p.converter.clearChanges();
    screen.showRecord();
}

void IdentityWorkflow::loadLookedUpDevice(const std::string& job, const std::string& ctn,
                                          const std::string& status) {
    ParameterRecord& r = screen.parts().record;
    r.text(StringRow::JobNumber) = job;
    r.text(StringRow::CtnNumber) = ctn;
    r.text(StringRow::DevStatus) = bareStatus(status);
    loadDevice(r.text(StringRow::DevStatus));
    screen.refillLists();
    selectByPrefix(screen.mainView().statusList(), r.text(StringRow::DevStatus));
    screen.markStoredStatuses(StatusSelection::OfRecord);
}

void IdentityWorkflow::selectRange() {
    WorkflowParts& p = screen.parts();
    MainView& view = screen.mainView();
    FieldControls* controls = screen.mainControls();
    if (controls == nullptr) return;
    const int selected = controls->comboSelection(controlRowControl(ControlRow::Range));
    if (selected < 0) return;
    p.settings.parameterDbPath =
        readSetting(p.settingsFile, "Files", formatText("Parameter Db%d", selected + 1), kDefaultParameterDb)
            .text;
    p.db.setCurrentPath(p.settings.parameterDbPath);
    // One open for the choice: a missing file is offered for creation once,
    // and a file that cannot be had leaves the lists empty without further questions.
    const bool opened = p.db.reopenDatabase() == DbResult::Ok;
    p.db.closeDatabase();
    if (opened) {
        fillJobAndCtnLists(p.db.jobAndCtnNumbers(screen.controlText(StringRow::JobNumber)),
                           screen.controlText(StringRow::CtnNumber), view.jobList(), view.ctnList());
        screen.markStoredStatuses(StatusSelection::Kept);
    } else {
        fillJobAndCtnLists({}, screen.controlText(StringRow::CtnNumber), view.jobList(), view.ctnList());
        ChoiceList& statuses = view.statusList();
        markStoredStatuses({}, statuses.selected(), statuses);
    }
    screen.updateDatabaseButtons();
}

bool IdentityWorkflow::applyLogin(const LoggedInUser& login) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    if (login.name == r.text(StringRow::UserName) && login.mask == p.user.mask) return false;
    recordLogin(r, login);
    p.user = login;
    std::vector<Page> withMain{Page::Main};
    withMain.insert(withMain.end(), kAllTabPages.begin(), kAllTabPages.end());
    for (const Page page : withMain) {
        FieldControls* controls = p.pages.controls(page);
        if (controls == nullptr) continue;
        for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season,
                                            DefinitionTable::String, DefinitionTable::Control}) {
            applyAccess(*controls, page, definitionTable(table), login.mask, true);
        }
    }
    screen.showRecord();
    return true;
}

void IdentityWorkflow::applyFirmwareSelection(int row) {
    WorkflowParts& p = screen.parts();
    const auto table = firmwareTable();
    if (row < 0 || row >= static_cast<int>(table.size())) return;
    const char* version = table[static_cast<std::size_t>(row)].version;
    writeCurrentFirmware(p.settingsFile, version);
    p.record.text(StringRow::FenmodFwVer) = version;
    enterPressed();
    screen.showPage(Page::Beacon);
    screen.showPage(Page::GpsParms);
    screen.showMainFields();
}

}  // namespace orv
