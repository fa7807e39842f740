#include "workflow/record_workflow.h"

#include "app/message_log.h"
#include "db/parameter_db.h"
#include "model/field_converter.h"
#include "model/page_set.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/main_controls.h"
#include "workflow/main_rules.h"
#include "workflow/main_screen.h"
#include "workflow/page_fields.h"
#include "workflow/save_rules.h"

namespace orv {

namespace {

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

}  // namespace

RecordWorkflow::RecordWorkflow(MainScreen& screen) : screen(screen) {}

int RecordWorkflow::saveRecord() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    FieldControls* controls = screen.mainControls();
    if (controls == nullptr || !controls->hasControl(mainStringControl(StringRow::JobNumber)) ||
        !controls->hasControl(mainStringControl(StringRow::CtnNumber))) {
        return 1;
    }
    ParameterRecord& r = p.record;
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    const int mask = p.settings.userMask;
    const std::string status = bareStatus(r.text(StringRow::DevStatus));

    const SaveQuestion question = saveQuestion(status, mask);
    const bool yes =
        question != SaveQuestion::None &&
        p.log.choice(saveQuestionText(question), r.text(StringRow::UserName).c_str()) == kAnswerYes;
    const SaveOutcome outcome = applySaveRules(r, status, mask, yes, p.clock());
    if (!outcome.store) return 0;
    if (outcome.signedOff &&
        p.log.choice("Do you want to print a 'COORDINATOR SIGNOFF' SPR Report?") == kAnswerYes) {
        screen.mainView().printSpr(kCoordinatorSignoffTitle);
    }

    const DbResult result = p.db.saveDevice(job, ctn, outcome.status);
    if (result == DbResult::Ok) screen.showRecord();
    p.converter.clearChanges();
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
    return result == DbResult::Ok ? 0 : 1;
}

void RecordWorkflow::readRecord() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    if (p.converter.askUnsavedChanges(kReadQuestion, false) == kAnswerNo) return;
    ParameterRecord& r = p.record;
    const std::string status = screen.statusText();
    r.text(StringRow::JobNumber) = screen.controlText(StringRow::JobNumber);
    r.text(StringRow::CtnNumber) = screen.controlText(StringRow::CtnNumber);
    const DbResult result =
        p.db.readDevice(r.text(StringRow::JobNumber), r.text(StringRow::CtnNumber), status, kReadDevice);
    applyReadFixups(r);
    if (result == DbResult::Ok) p.converter.clearChanges();
    screen.showRecord();
    if (const auto tab = screen.mainView().currentTab()) screen.showPage(pageOfTab(*tab, r));
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
    p.converter.clearChanges();
}

void RecordWorkflow::checkRecord() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    ParameterRecord& r = p.record;
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    p.converter.readGeneralPages();
    if (p.pages.controls(Page::Schedule) != nullptr) p.converter.readSeasonPage(r.currentSeason());
    screen.collectMainFields();
    if (p.db.readDevice(job, ctn, screen.statusText(), kCheckDevice) == DbResult::Ok) {
        p.log.information("The screen information is the same as the data in the database.");
    }
}

void RecordWorkflow::deleteRecord() {
    WorkflowParts& p = screen.parts();
    if (const auto tab = screen.mainView().currentTab()) storeTabFields(*tab, p.converter, p.pages, p.record);
    const std::string status = screen.statusText();
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    if (p.log.choice(
            "Are you sure you want to delete Job #: '%s', Ctn #: '%s'\nStatus: '%s' from the database?",
            job.c_str(), ctn.c_str(), status.c_str()) != kAnswerYes) {
        p.log.information("The device was NOT deleted from the database.");
    } else {
        const DbResult result = p.db.deleteDevice(job, ctn, status);
        if (result == DbResult::NotFound) {
            p.log.information("Job #: '%s', Ctn #: '%s', Status: '%s' was not found in the database",
                              job.c_str(), ctn.c_str(), status.c_str());
        } else if (result == DbResult::Ok) {
            p.log.information("Job #: '%s', Ctn #: '%s', Status: '%s' has been deleted from the database",
                              job.c_str(), ctn.c_str(), status.c_str());
        }
    }
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
}

bool RecordWorkflow::confirmDefaults() {
    return screen.parts().converter.askUnsavedChanges(kDefaultsQuestion, false) != kAnswerNo;
}

void RecordWorkflow::defaultsApplied() {
    FieldConverter& converter = screen.parts().converter;
    screen.showRecord();
    converter.clearChanges();
    converter.markRecordDirty();
}

bool RecordWorkflow::exitApplication() {
    WorkflowParts& p = screen.parts();
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

}  // namespace orv
