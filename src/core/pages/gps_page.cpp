#include "pages/gps_page.h"

#include <cmath>

#include "binding/field_controls.h"
#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "binding/page_set.h"
#include "model/record.h"
#include "pages/page_controls.h"

namespace orv {

namespace {

constexpr int kFirmwareTextRows[] = {StringRow::FenmodFwVer,  StringRow::RtcPicFwVer,
                                     StringRow::CmdRecFwVer,  StringRow::MiscDevFwVer,
                                     StringRow::NavProcFwVer, StringRow::SigProcFwVer};

// Read back on OK in this order.
constexpr int kAdvancedRows[] = {GeneralRow::GpsWeekThreshold,    GeneralRow::GpsWeekAdjustment,
                                 GeneralRow::SigStrengthEvalTime, GeneralRow::MinAveSigStrength,
                                 GeneralRow::NumFixRetries,       GeneralRow::FixRetryInverval,
                                 GeneralRow::CachedFixLifetime,   GeneralRow::FixesToDiscard};

constexpr const char* kSignalStrengthFamilies[] = {"M1", "M2", "M3", "M4"};

}  // namespace

void gpsPageRules(const PageContext& context) {
    const Page page = Page::GpsParms;
    const bool fixing = context.record.general(GeneralRow::GpsFixingEnabled) == 1;
    setPageText(context, page, PageControl::GpsGroup, fixing ? "GPS Fixing Enabled" : "GPS Fixing Disabled");
    const auto general = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        if (general[static_cast<std::size_t>(row)].page == page) enableGeneralRow(context, page, row, fixing);
    }
    enableControlRow(context, page, ControlRow::AdvancedButton, fixing);
    enableControlRow(context, page, ControlRow::ElevationButton, fixing);
    if (fixing) {
        enableGeneralRow(context, page, GeneralRow::PdopSw,
                         context.record.general(GeneralRow::Dimension) == 0);
    }
    FieldControls* controls = context.pages.controls(page);
    if (controls == nullptr) return;
    for (const int row : kFirmwareTextRows) {
        const std::string& text = context.record.text(row);
        controls->setText(valueControl(DefinitionTable::String, row), text.empty() ? kFirmwareUnknown : text);
    }
}

void registerGpsPage(PageHandlerRegistry& registry) {
    registry.setPageRules(Page::GpsParms, gpsPageRules);
}

std::string signalEvalTimeLabel(const std::string& firmwareVersion) {
    for (const char* family : kSignalStrengthFamilies) {
        if (firmwareVersion.rfind(family, 0) == 0) return "Signal Strength Eval. Time";
    }
    return "Usable Satellites Eval. Time";
}

void showAdvancedDialog(const PageContext& context) {
    const Page page = Page::AdvancedDialog;
    for (const int row : kAdvancedRows) context.converter.showField(page, row);
    const int row = GeneralRow::SigStrengthEvalTime;
    const std::string label = signalEvalTimeLabel(context.record.text(StringRow::FenmodFwVer));
    const bool marked = context.record.generalChanged[static_cast<std::size_t>(row)];
    setPageText(context, page, generalDefinitions()[row].labelId, marked ? kLabelMarker + label : label);
}

void advancedDialogOk(const PageContext& context) {
    for (const int row : kAdvancedRows) context.converter.readField(Page::AdvancedDialog, row);
}

double elevationMask(double baseStationAngle, double baseStationDistance) {
    const double value = baseStationAngle + baseStationDistance / 100;
    return std::trunc(value / 0.5 + 0.99999) * 0.5;
}

void showElevationDialog(const PageContext& context) {
    context.converter.showField(Page::ElevationAngleDialog, GeneralRow::BaseStationElevMaskAngle);
    context.converter.showField(Page::ElevationAngleDialog, GeneralRow::BaseStationDistance);
}

void elevationDialogOk(const PageContext& context) {
    const double angle =
        context.converter.readField(Page::ElevationAngleDialog, GeneralRow::BaseStationElevMaskAngle);
    const double distance =
        context.converter.readField(Page::ElevationAngleDialog, GeneralRow::BaseStationDistance);
    storeGeneral(context, GeneralRow::ElevAngle, elevationMask(angle, distance));
}

}  // namespace orv
