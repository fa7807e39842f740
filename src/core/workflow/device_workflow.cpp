#include "workflow/device_workflow.h"

#include <string>

#include "app/message_log.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/field_converter.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/device_jobs.h"
#include "workflow/main_rules.h"
#include "workflow/main_screen.h"
#include "workflow/page_fields.h"
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

void DeviceWorkflow::writeFinished(int result, const WritePlan& plan, std::span<const std::uint8_t> image) {
    WorkflowParts& p = screen.parts();
    ParameterRecord& r = p.record;
    screen.showRecord();
    if (result == 0) {
        if (plan.saveAfterProgramming) {
            const std::string job = screen.controlText(StringRow::JobNumber);
            const std::string ctn = screen.controlText(StringRow::CtnNumber);
            p.converter.clearChanges();
            saveProgrammed(r, p.db, job, ctn, p.clock());
            screen.showRecord();
            screen.markStoredStatuses(StatusSelection::OfRecord);
        }
        archiveProgrammed(r, p.settingsFile, image, p.log);
        if (p.log.choice("Do you want to print a 'DEVICE PROGRAMMING' SPR Report?") == kAnswerYes) {
            screen.mainView().printSpr(kDeviceProgrammingTitle);
        }
        p.log.warning("%s", kRestartWarning);
    }
    screen.showPage(Page::GpsParms);
}

void DeviceWorkflow::shutdownFinished(int result) {
    if (result != 0) return;
    screen.parts().log.warning(
        "The System has been successfully shut down and may be stored without a shutdown\n"
        "  magnet being placed next to the unit!\n"
        "\n"
        "IMPORTANT!! After System Shutdown, the GPS System must be restarted by applying the\n"
        "  magnet to the case for at least 40 seconds or by disconnecting the power temporarily.\n"
        "\n"
        "IF THE GPS SYSTEM IS NOT RESTARTED, NO DATA WILL BE RECORDED!!");
}

void DeviceWorkflow::prepareReadDevice() {
    clearFactoryValues(screen.parts().record);
    screen.showPage(Page::FactParms);
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

void DeviceWorkflow::firmwareFinished(int result) {
    if (result != 0) return;
    WorkflowParts& p = screen.parts();
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

bool DeviceWorkflow::prepareExport() {
    WorkflowParts& p = screen.parts();
    screen.collectScreen();
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

void DeviceWorkflow::exportFinished() {
    screen.showRecord();
}

}  // namespace orv
