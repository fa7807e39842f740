#include "workflow/device_workflow.h"

#include <string>

#include "app/energy_settings.h"
#include "app/message_log.h"
#include "binding/field_converter.h"
#include "binding/page_fields.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/device_jobs.h"
#include "workflow/main_rules.h"
#include "workflow/main_screen.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_confirmations.h"

namespace orv {

DeviceWorkflow::DeviceWorkflow(MainScreen& screen) : screen(screen) {}

WritePlan DeviceWorkflow::prepareWrite() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    storePageTexts(Page::Beacon, p.converter, p.pages, p.record);
    WriteStop stop;
    return confirmWrite(p.record, p.user.mask, WriteConsent{}, p.log, stop);
}

WriteOptions DeviceWorkflow::writeOptions(bool showChanges) {
    WorkflowParts& p = screen.parts();
    WriteOptions options;
    options.showChanges = showChanges;
    if (showChanges) options.energy = readEnergySettings(p.settingsFile, p.log);
    options.now = p.clock();
    return options;
}

namespace {

// The window's part of the completion: the record and the lists shown again
// after the save, and the report offered.
class WindowCompletion : public WriteView {
public:
    explicit WindowCompletion(MainScreen& screen) : screen(screen) {}
    void programmedSaved() override {
        screen.showRecord();
        screen.markStoredStatuses(StatusSelection::OfRecord);
    }
    void offerReport() override {
        if (screen.parts().log.choice("%s", wftext::kPrintProgrammingQuestion) == kAnswerYes)
            screen.mainView().printSpr(kDeviceProgrammingTitle);
    }

private:
    MainScreen& screen;
};

}  // namespace

void DeviceWorkflow::writeFinished(const WriteOutcome& outcome, const WritePlan& plan) {
    WorkflowParts& p = screen.parts();
    screen.showRecord();
    WriteCompletion completion;
    completion.saveAfterProgramming = plan.saveAfterProgramming;
    completion.db = &p.db;
    completion.job = screen.controlText(StringRow::JobNumber);
    completion.ctn = screen.controlText(StringRow::CtnNumber);
    completion.settingsFile = p.settingsFile;
    completion.when = p.clock();
    if (outcome.result == DeviceResult::Ok && plan.saveAfterProgramming) p.converter.clearChanges();
    WindowCompletion view(screen);
    static_cast<void>(completeWrite(p.record, outcome, completion, view, p.log));
    screen.showPage(Page::GpsParms);
}

void DeviceWorkflow::shutdownFinished(DeviceResult result) {
    if (result != DeviceResult::Ok) return;
    screen.parts().log.warning("%s", wftext::kShutdownWarning);
}

void DeviceWorkflow::prepareCheckDevice() {
    screen.collectScreen();
}

void DeviceWorkflow::readFinished(bool loaded) {
    FieldConverter& converter = screen.parts().converter;
    if (loaded) {
        converter.clearChanges();
        screen.showRecord();
        // What came from the collar or the file is not yet in the database.
        converter.clearChanges();
        converter.markRecordDirty();
    }
    screen.showMainFields();
}

void DeviceWorkflow::firmwareFinished(DeviceResult result) {
    if (result != DeviceResult::Ok) return;
    WorkflowParts& p = screen.parts();
    static_cast<void>(takeUpFirmwareQuery(p.record, p.firmware, p.log));
}

bool DeviceWorkflow::prepareExport() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
    storePageTexts(Page::Beacon, p.converter, p.pages, p.record);
    if (p.record.text(StringRow::FenmodFwVer).empty()) {
        p.log.error("%s", wftext::kExportFirmwareUnknown);
        return false;
    }
    return true;
}

void DeviceWorkflow::exportFinished() {
    screen.showRecord();
}

}  // namespace orv
