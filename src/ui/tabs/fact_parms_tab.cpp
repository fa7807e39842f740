// The Fact. Parms tab: the collar's hardware, the transmitter and beacon types,
// the GPS filters, the factory CTNs and notes, and the factory-area buttons.

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/startup.h"
#include "binding/page_context.h"
#include "model/definition_rows.h"
#include "pages/page_controls.h"
#include "tabs/parameter_tabs.h"
#include "widgets/link_label.h"

namespace orv {

namespace {

struct Caption {
    int row;
    const char* text;
};

constexpr Caption kFactoryCtns[] = {
    {StringRow::FactSysCTN, "System CTN"},   {StringRow::FactContrCTN, "Controller CTN"},
    {StringRow::FactRecCTN, "Receiver CTN"}, {StringRow::FactXmtCTN, "Xmitter CTN"},
    {StringRow::FactBcnCTN, "Beacon CTN"},   {StringRow::FactMiscCTN, "Misc. CTN"}};

}  // namespace

FactParmsTab::FactParmsTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::FactParms, binder, environment) {
    FieldBinder& fields = bind(Page::FactParms);
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    outer->addLayout(left, 1);
    outer->addLayout(right, 1);

    auto* types = new QGroupBox("System");
    auto* typeGrid = new QGridLayout(types);
    placeRow(fields, typeGrid, 0, GeneralRow::XmitterEnblType);
    placeRow(fields, typeGrid, 1, GeneralRow::BeaconType);
    placeRow(fields, typeGrid, 2, GeneralRow::Startup);
    typeGrid->addWidget(flagRow(fields, GeneralRow::GpsFixingEnabled, "Scheduled Fixing Enabled"), 3, 0, 1,
                        4);
    typeGrid->addWidget(flagRow(fields, GeneralRow::SWSEnabled, "Salt Water Switch Enabled"), 4, 0, 1, 4);
    left->addWidget(types);

    auto* filters = new QGroupBox("GPS Filters");
    auto* filterLayout = new QVBoxLayout(filters);
    filterLayout->addWidget(flagRow(fields, GeneralRow::DiffCorrection, "Differential Correction"));
    filterLayout->addWidget(flagRow(fields, GeneralRow::PosVelFilter, "Position Velocity Filter"));
    filterLayout->addWidget(flagRow(fields, GeneralRow::StaticFilter, "Static Filter"));
    filterLayout->addWidget(flagRow(fields, GeneralRow::AltitudeFilter, "Altitude Filter"));
    left->addWidget(filters);

    auto* hardware = new QGroupBox("Installed Hardware");
    auto* hardwareLayout = new QVBoxLayout(hardware);
    hardwareLayout->addWidget(flagRow(fields, GeneralRow::InstReedSw, "Reed Switch"));
    hardwareLayout->addWidget(flagRow(fields, GeneralRow::InstHgSw, "Mercury Switch"));
    hardwareLayout->addWidget(flagRow(fields, GeneralRow::InstSWSw, "Salt Water Switch"));
    left->addWidget(hardware);
    left->addStretch();

    auto* variables = new QGroupBox("ARGOS Variables");
    setControlId(variables, PageControl::VariablesGroup);
    auto* variableGrid = new QGridLayout(variables);
    variableGrid->addWidget(flagRow(fields, GeneralRow::XmitEncryption, "Transmission Encryption:"), 0, 0, 1,
                            4);
    variableGrid->addWidget(flagRow(fields, GeneralRow::ScheduledNetwork, "Scheduled Network:"), 1, 0, 1, 4);
    auto* synthesizer = new QGroupBox("Synthesizer Type");
    setControlId(synthesizer, PageControl::SynthesizerGroup);
    auto* synthLayout = new QHBoxLayout(synthesizer);
    auto* synthGroup = new QButtonGroup(this);
    synthLayout->addWidget(radioRow(fields, GeneralRow::SynthSel, "MB 15E03  (new)", synthGroup));
    synthLayout->addWidget(radioRow(fields, GeneralRow::SynthOld, "MB 15E07  (old)", synthGroup));
    variableGrid->addWidget(synthesizer, 2, 0, 1, 4);
    placeText(fields, variableGrid, 3, StringRow::MACAddress);
    placeRow(fields, variableGrid, 4, GeneralRow::DiscOffset);
    placeRow(fields, variableGrid, 5, GeneralRow::PaPwrLvl);
    right->addWidget(variables);

    auto* factory = new QGroupBox("Factory Parameters");
    auto* factoryGrid = new QGridLayout(factory);
    int line = 0;
    for (const Caption& ctn : kFactoryCtns) placeText(fields, factoryGrid, line++, ctn.row, {ctn.text});
    auto* notes = new QPlainTextEdit;
    notes->setFixedHeight(60);
    placeText(fields, factoryGrid, line++, StringRow::SSTNotes, {"SST Notes"}, notes);
    auto* buttons = new QHBoxLayout;
    // The buttons' control rows give them their levels (applied with the page's access).
    buttons->addWidget(
        pageButton("Read Factory Parameters", controlRowControl(ControlRow::ReadFactoryButton)));
    buttons->addWidget(
        pageButton("Program Factory Parameters", controlRowControl(ControlRow::ProgramFactoryButton)));
    factoryGrid->addLayout(buttons, line++, 0, 1, 4);
    right->addWidget(factory);

    auto* settings = new LinkLabel(kSettingsFileName, QDir::current().absoluteFilePath(kSettingsFileName));
    settings->setToolTip("Open the settings file");
    right->addWidget(settings, 0, Qt::AlignRight);
    right->addStretch();
    applyAccessToForms({Page::FactParms});
}

}  // namespace orv
