#include "workflow/main_screen.h"

#include "binding/field_converter.h"
#include "binding/page_fields.h"
#include "binding/page_set.h"
#include "db/parameter_db.h"
#include "model/lists.h"
#include "model/record.h"
#include "workflow/main_controls.h"
#include "workflow/main_rules.h"

namespace orv {

namespace {

// The main window's own string rows, in the order they are read and shown.
constexpr int kMainStringRows[] = {
    StringRow::JobNumber,  StringRow::CtnNumber,    StringRow::DevStatus,        StringRow::Notes,
    StringRow::Customer,   StringRow::CoordSignoff, StringRow::CoordSignoffDate, StringRow::ProgrammedBy,
    StringRow::ProgByDate, StringRow::UserName,     StringRow::UserAccessLevel};

int statusIndex(const std::string& status) {
    const auto statuses = deviceStatusList();
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        if (status == statuses[i]) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

MainScreen::MainScreen(const WorkflowParts& parts, MainView& view) : p(parts), view(view) {}

FieldControls* MainScreen::mainControls() {
    return p.pages.controls(Page::Main);
}

std::string MainScreen::controlText(int stringRow) {
    FieldControls* controls = mainControls();
    return controls != nullptr ? trimTrailingBlanks(controls->text(mainStringControl(stringRow)))
                               : std::string();
}

std::string MainScreen::statusText() {
    return bareStatus(selectedEntry(view.statusList()));
}

void MainScreen::fillRangeList() {
    range = readRangeEntries(p.settingsFile);
    FieldControls* controls = mainControls();
    if (controls == nullptr) return;
    std::vector<std::string> texts;
    for (const RangeEntry& entry : range) texts.push_back(entry.text);
    const int id = controlRowControl(ControlRow::Range);
    controls->setComboItems(id, texts);
    controls->setComboSelection(id, static_cast<int>(texts.size()) - 1);
}

void MainScreen::collectMainFields() {
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

void MainScreen::collectScreen() {
    if (const auto tab = view.currentTab()) storeTabFields(*tab, p.converter, p.pages, p.record);
    collectMainFields();
}

void MainScreen::collectAllPages() {
    p.converter.readGeneralPages();
    for (const Page page : kAllTabPages) storePageTexts(page, p.converter, p.pages, p.record);
    storeTabFields(Tab::Schedule, p.converter, p.pages, p.record);
    collectMainFields();
}

void MainScreen::showPage(Page page) {
    showPageFields(page, p.converter, p.pages, p.record);
    view.pageShown(page);
}

void MainScreen::showMainFields() {
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

void MainScreen::showRecord() {
    for (const Page page : kAllTabPages) showPage(page);
    showMainFields();
    updateDatabaseButtons();
}

void MainScreen::updateDatabaseButtons() {
    FieldControls* controls = mainControls();
    if (controls != nullptr) {
        const bool allowed = databaseEditAllowed(statusText(), p.user.mask,
                                                 controls->text(mainStringControl(StringRow::JobNumber)));
        const int selection = controls->comboSelection(controlRowControl(ControlRow::Range));
        const bool enabled = saveDeleteEnabled(allowed, selection, static_cast<int>(range.size()));
        controls->enableControl(controlRowControl(ControlRow::Save), enabled);
        controls->enableControl(controlRowControl(ControlRow::Delete), enabled);
    }
    p.converter.refreshMarkers();
}

void MainScreen::tabLeaving(Tab tab) {
    storeTabFields(tab, p.converter, p.pages, p.record);
}

void MainScreen::tabShown(Tab tab) {
    showPage(pageOfTab(tab, p.record));
}

void MainScreen::refillLists() {
    fillJobAndCtnLists(p.db.jobAndCtnNumbers(p.record.text(StringRow::JobNumber)),
                       p.record.text(StringRow::CtnNumber), view.jobList(), view.ctnList());
    if (FieldControls* controls = mainControls()) {
        controls->setText(mainStringControl(StringRow::JobNumber), p.record.text(StringRow::JobNumber));
        controls->setText(mainStringControl(StringRow::CtnNumber), p.record.text(StringRow::CtnNumber));
    }
}

void MainScreen::markStoredStatuses(StatusSelection selection) {
    ChoiceList& statuses = view.statusList();
    const int selected = selection == StatusSelection::OfRecord
                             ? statusIndex(bareStatus(p.record.text(StringRow::DevStatus)))
                             : statuses.selected();
    orv::markStoredStatuses(
        p.db.storedStatuses(controlText(StringRow::JobNumber), controlText(StringRow::CtnNumber)), selected,
        statuses);
}

}  // namespace orv
