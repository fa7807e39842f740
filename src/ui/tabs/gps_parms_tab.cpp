// The GPS Parms tab and its two dialogs, "Advanced Parameters" and "Elevation
// Angle Mask".

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "modal_runner.h"
#include "model/definition_rows.h"
#include "pages/gps_page.h"
#include "pages/page_controls.h"
#include "tabs/parameter_tabs.h"

namespace orv {

namespace {

constexpr int kAdvancedRows[] = {GeneralRow::NumFixRetries,       GeneralRow::FixRetryInverval,
                                 GeneralRow::SigStrengthEvalTime, GeneralRow::MinAveSigStrength,
                                 GeneralRow::GpsWeekThreshold,    GeneralRow::GpsWeekAdjustment,
                                 GeneralRow::CachedFixLifetime,   GeneralRow::FixesToDiscard};

struct FirmwareText {
    int row;
    const char* caption;
};
constexpr FirmwareText kFirmwareTexts[] = {
    {StringRow::FenmodFwVer, "Fenmod:"},           {StringRow::RtcPicFwVer, "RTC PIC:"},
    {StringRow::CmdRecFwVer, "Command Receiver:"}, {StringRow::MiscDevFwVer, "Misc. Device:"},
    {StringRow::NavProcFwVer, "Nav Proc:"},        {StringRow::SigProcFwVer, "Signal Proc:"}};

QDialog* makeDialog(QWidget* parent, const char* title) {
    auto* dialog = new QDialog(parent);
    dialog->setWindowTitle(title);
    return dialog;
}

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

GpsParmsTab::GpsParmsTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::GpsParms, binder, environment) {
    FieldBinder& fields = bind(Page::GpsParms);
    auto* outer = new QHBoxLayout(this);

    auto* group = new QGroupBox("GPS Fixing Enabled");
    setControlId(group, PageControl::GpsGroup);
    auto* grid = new QGridLayout(group);
    int line = 0;
    placeRow(fields, grid, line++, GeneralRow::Dimension);
    placeRow(fields, grid, line++, GeneralRow::Dynamics);
    const BoundRow elevation = placeRow(fields, grid, line++, GeneralRow::ElevAngle);
    (void)elevation;
    placeRow(fields, grid, line++, GeneralRow::SigLevel);
    placeRow(fields, grid, line++, GeneralRow::PdopMask);
    placeRow(fields, grid, line++, GeneralRow::PdopSw);
    placeRow(fields, grid, line++, GeneralRow::AlmanacTimeout);
    placeRow(fields, grid, line++, GeneralRow::FixTimeout);
    placeRow(fields, grid, line++, GeneralRow::_3dTimeout);
    placeRow(fields, grid, line++, GeneralRow::BeaconRate);
    auto* buttons = new QHBoxLayout;
    auto* elevationButton = new QPushButton("Elevation Angle Mask (deg)");
    fields.control(ControlRow::ElevationButton, elevationButton);
    auto* advancedButton = new QPushButton("Advanced");
    fields.control(ControlRow::AdvancedButton, advancedButton);
    buttons->addWidget(elevationButton);
    buttons->addWidget(advancedButton);
    buttons->addStretch();
    grid->addLayout(buttons, line++, 0, 1, 4);
    grid->setRowStretch(line, 1);
    outer->addWidget(group, 3);

    auto* firmware = new QGroupBox("Firmware Versions");
    auto* firmwareGrid = new QGridLayout(firmware);
    int firmwareLine = 0;
    for (const FirmwareText& text : kFirmwareTexts) {
        auto* value = new QLabel(kFirmwareUnknown);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        placeText(fields, firmwareGrid, firmwareLine++, text.row, {text.caption}, value);
    }
    firmwareGrid->setRowStretch(firmwareLine, 1);
    outer->addWidget(firmware, 2);

    buildAdvancedDialog();
    buildElevationDialog();
    connect(advancedButton, &QPushButton::clicked, this, [this] { runAdvancedDialog(); });
    connect(elevationButton, &QPushButton::clicked, this, [this] { runElevationDialog(); });
    applyAccessToForms({Page::GpsParms});
}

void GpsParmsTab::buildAdvancedDialog() {
    advanced = makeDialog(this, "Advanced Parameters");
    FieldBinder& fields = bind(Page::AdvancedDialog, advanced);
    auto* layout = new QVBoxLayout(advanced);
    auto* frame = new QGroupBox("Advanced Parameters");
    fields.control(ControlRow::AdvancedFrame, frame);
    auto* grid = new QGridLayout(frame);
    int line = 0;
    for (const int row : kAdvancedRows) placeRow(fields, grid, line++, row);
    layout->addWidget(frame);
    layout->addWidget(okCancel(advanced));
}

void GpsParmsTab::buildElevationDialog() {
    elevationDialog = makeDialog(this, "Elevation Angle Mask");
    FieldBinder& fields = bind(Page::ElevationAngleDialog, elevationDialog);
    auto* layout = new QVBoxLayout(elevationDialog);
    auto* grid = new QGridLayout;
    placeRow(fields, grid, 0, GeneralRow::BaseStationElevMaskAngle, {nullptr, "deg"});
    placeRow(fields, grid, 1, GeneralRow::BaseStationDistance, {nullptr, "km"});
    layout->addLayout(grid);
    layout->addWidget(okCancel(elevationDialog));
}

void GpsParmsTab::runAdvancedDialog() {
    applyAccessToForms({Page::AdvancedDialog});
    showAdvancedDialog(pageContext());
    advanced->setWindowTitle("Advanced Parameters");
    if (runner().runDialog(*advanced)) advancedDialogOk(pageContext());
}

void GpsParmsTab::runElevationDialog() {
    showElevationDialog(pageContext());
    if (runner().runDialog(*elevationDialog)) elevationDialogOk(pageContext());
}

}  // namespace orv
