#include "workflow/record_workflow.h"

#include "app/message_log.h"
#include "binding/field_converter.h"
#include "binding/page_fields.h"
#include "binding/page_set.h"
#include "db/parameter_db.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/check_differences.h"
#include "workflow/main_controls.h"
#include "workflow/main_rules.h"
#include "workflow/main_screen.h"
#include "workflow/save_rules.h"
#include "workflow/workflow_messages.h"

namespace orv {

RecordWorkflow::RecordWorkflow(MainScreen& screen) : screen(screen) {}

int RecordWorkflow::saveRecord() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    FieldControls* controls = screen.mainControls();
    if (controls == nullptr || !controls->hasControl(mainStringControl(StringRow::JobNumber)) ||
        !controls->hasControl(mainStringControl(StringRow::CtnNumber))) {
        return 1;
    }
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    bool stored = false;
    return storeRecord(job, ctn, bareStatus(p.record.text(StringRow::DevStatus)), HistoryAction::Save,
                       stored);
}

int RecordWorkflow::restoreVersion(int version) {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    if (p.converter.askUnsavedChanges(wftext::kReadQuestion, false) == kAnswerNo) return 1;
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    ParameterRecord restored = p.record;
    DeviceVersion found;
    if (p.db.readVersion(job, ctn, version, restored, found) != DbResult::Ok) return 1;
    // Restoring is saving that version: the rules of the Save button apply.
    if (!databaseEditAllowed(found.key.status, p.user.mask, job)) {
        p.log.error(wftext::kRestoreNotAllowed, version, found.key.status.c_str(), p.user.level.c_str());
        return 1;
    }
    // Nothing restored (a question answered No, a failure): the screen keeps what it had.
    const ParameterRecord before = p.record;
    p.record = restored;
    applyReadFixups(p.record);
    bool stored = false;
    const int rc = storeRecord(job, ctn, found.key.status, HistoryAction::Restore, stored);
    if (!stored) {
        p.record = before;
        screen.showRecord();
    }
    return stored ? rc : 1;
}

int RecordWorkflow::storeRecord(const std::string& job, const std::string& ctn, const std::string& status,
                                HistoryAction action, bool& stored) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    const int mask = p.user.mask;
    const SaveQuestion question = saveQuestion(status, mask);
    const bool yes =
        question != SaveQuestion::None &&
        p.log.choice(saveQuestionText(question), r.text(StringRow::UserName).c_str()) == kAnswerYes;
    const SaveOutcome outcome = applySaveRules(r, status, mask, yes, p.clock());
    if (!outcome.store) return kSaveNothingStored;
    if (outcome.signedOff && p.log.choice("%s", wftext::kPrintSignoffQuestion) == kAnswerYes) {
        screen.mainView().printSpr(kCoordinatorSignoffTitle);
    }

    const DbResult result = p.db.saveDevice(job, ctn, outcome.status, action);
    // A save that stored nothing (failed, or the overwrite answered No) keeps
    // the changes marked, so that Exit still offers to keep them.
    stored = result == DbResult::Ok && !p.db.saveDeclined();
    if (stored) {
        screen.showRecord();
        p.converter.clearChanges();
    }
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
    if (stored) return kSaveStored;
    return result == DbResult::Ok ? kSaveNothingStored : kSaveFailed;
}

void RecordWorkflow::readRecord() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    if (p.converter.askUnsavedChanges(wftext::kReadQuestion, false) == kAnswerNo) return;
    ParameterRecord& r = p.record;
    const std::string status = screen.statusText();
    r.text(StringRow::JobNumber) = screen.controlText(StringRow::JobNumber);
    r.text(StringRow::CtnNumber) = screen.controlText(StringRow::CtnNumber);
    const DbResult result =
        p.db.readDevice(r.text(StringRow::JobNumber), r.text(StringRow::CtnNumber), status, ReadMode::Load);
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
    const std::string status = screen.statusText();
    p.log.attachBoxDetails(differenceLines(storedDifferences(p.db, job, ctn, status, r)));
    const DbResult checked = p.db.readDevice(job, ctn, status, ReadMode::Check);
    p.log.dropBoxDetails();
    if (checked == DbResult::Ok) p.log.information("%s", wftext::kRecordMatches);
}

void RecordWorkflow::deleteRecord() {
    WorkflowParts& p = screen.parts();
    if (const auto tab = screen.mainView().currentTab()) storeTabFields(*tab, p.converter, p.pages, p.record);
    const std::string status = screen.statusText();
    const std::string job = screen.controlText(StringRow::JobNumber);
    const std::string ctn = screen.controlText(StringRow::CtnNumber);
    if (p.log.choice(wftext::kDeleteQuestion, job.c_str(), ctn.c_str(), status.c_str()) != kAnswerYes) {
        p.log.information("%s", wftext::kNotDeleted);
    } else {
        const DbResult result = p.db.deleteDevice(job, ctn, status);
        if (result == DbResult::NotFound) {
            p.log.information(wftext::kDeleteNotFound, job.c_str(), ctn.c_str(), status.c_str());
        } else if (result == DbResult::Ok) {
            p.log.information(wftext::kDeleted, job.c_str(), ctn.c_str(), status.c_str());
        }
    }
    screen.refillLists();
    screen.markStoredStatuses(StatusSelection::OfRecord);
}

bool RecordWorkflow::confirmDefaults() {
    return screen.parts().converter.askUnsavedChanges(wftext::kDefaultsQuestion, false) != kAnswerNo;
}

void RecordWorkflow::defaultsApplied() {
    FieldConverter& converter = screen.parts().converter;
    screen.showRecord();
    converter.clearChanges();
    converter.markRecordDirty();
}

bool RecordWorkflow::exitApplication() {
    WorkflowParts& p = screen.parts();
    const int answer = p.converter.askUnsavedChanges(wftext::kExitSaveQuestion, true);
    switch (answer) {
        case 0:
            return p.log.choice("%s", wftext::kExitQuestion) == kAnswerYes;
        case kAnswerYes:
            return saveRecord() == kSaveStored;
        case kAnswerNo:
            return true;
        default:
            return false;
    }
}

}  // namespace orv
