#include "workflow/device_workflow.h"

#include <string>

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
#include "workflow/write_completion.h"
#include "workflow/write_confirmations.h"

namespace orv {

DeviceWorkflow::DeviceWorkflow(MainScreen& screen) : screen(screen) {}

WritePlan DeviceWorkflow::prepareWrite() {
    WorkflowParts& p = screen.parts();
    WritePlan plan;
    screen.collectScreen();
    storePageTexts(Page::Beacon, p.converter, p.pages, p.record);
    if (activityCheck(p.record, p.log) != 0) return plan;
    const ParameterRecord& r = p.record;
    const std::string& user = r.text(StringRow::UserName);
    if (user.empty()) {
        p.log.error("%s", wftext::kUserNeededToProgram);
        return plan;
    }
    if (mayProgramWithoutSaving(p.settings.userMask)) {
        plan.saveAfterProgramming =
            p.log.choice(wftext::kSaveAfterProgrammingQuestion, user.c_str()) == kAnswerYes;
    } else {
        if (p.log.choice(wftext::kSavedAfterProgrammingQuestion, user.c_str()) != kAnswerYes) {
            p.log.warning("%s", wftext::kNotProgrammed);
            return plan;
        }
        plan.saveAfterProgramming = true;
    }
    if (zeroPttIdNeedsConsent(r)) {
        if (p.log.choice("%s", wftext::kZeroPttIdQuestion) != kAnswerYes) return plan;
        plan.rootIdFlag = true;
    }
    plan.proceed = p.log.choice("%s", wftext::kProgramQuestion) == kAnswerYes;
    return plan;
}

void DeviceWorkflow::writeFinished(DeviceResult result, const WritePlan& plan,
                                   std::span<const std::uint8_t> image) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    screen.showRecord();
    if (result == DeviceResult::Ok) {
        if (plan.saveAfterProgramming) {
            const std::string job = screen.controlText(StringRow::JobNumber);
            const std::string ctn = screen.controlText(StringRow::CtnNumber);
            p.converter.clearChanges();
            saveProgrammed(r, p.db, job, ctn, p.clock());
            screen.showRecord();
            screen.markStoredStatuses(StatusSelection::OfRecord);
        }
        archiveProgrammed(r, p.settingsFile, image, p.log);
        if (p.log.choice("%s", wftext::kPrintProgrammingQuestion) == kAnswerYes) {
            screen.mainView().printSpr(kDeviceProgrammingTitle);
        }
        p.log.warning("%s", wftext::kRestartWarning);
    }
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
    const std::string& version = p.record.text(StringRow::FenmodFwVer);
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) {
        p.log.error(wftext::kFirmwareNotSupported, version.c_str());
        return;
    }
    p.firmware.selectRow(row);
    p.log.information(wftext::kFirmwareSet, firmwareTable()[static_cast<std::size_t>(row)].version);
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
