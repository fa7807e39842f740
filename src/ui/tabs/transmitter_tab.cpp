// The Transmitter tab: the ARGOS PTT form, or the spread-spectrum network form
// in its place while the transmitter enable type is "Spread_Spectrum".

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "binding/page_context.h"
#include "binding/tabs.h"
#include "model/definition_rows.h"
#include "model/record.h"
#include "pages/page_controls.h"
#include "tabs/parameter_tabs.h"

namespace orv {

TransmitterTab::TransmitterTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::Transmitter, binder, environment) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    forms = new QStackedWidget;
    pttForm = buildPttForm();
    networkForm = buildNetworkForm();
    forms->addWidget(pttForm);
    forms->addWidget(networkForm);
    outer->addWidget(forms);
    applyAccessToForms({Page::Transmitter, Page::TransmitterNetwork});
}

QWidget* TransmitterTab::buildPttForm() {
    auto* form = new QWidget;
    FieldBinder& fields = bind(Page::Transmitter, form);
    auto* outer = new QHBoxLayout(form);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    outer->addLayout(left, 1);
    outer->addLayout(right, 1);

    auto* state = new QLabel("Transmitter Disabled");
    setControlId(state, PageControl::TransmitterState);
    QFont bold = state->font();
    bold.setBold(true);
    state->setFont(bold);
    left->addWidget(state);
    left->addWidget(flagRow(fields, GeneralRow::XmitnsEnabled, "ARGOS Transmissions Enabled"));

    auto* identity = new QGroupBox("PTT ID");
    auto* idGrid = new QGridLayout(identity);
    placeRow(fields, idGrid, 0, GeneralRow::PttIdCode, {"Assigned PTT ID code"});
    placeText(fields, idGrid, 1, StringRow::IDHexValue, {"ID Hex Value"});
    placeRow(fields, idGrid, 2, GeneralRow::RootIDCode, {"Programmed ID Code"});
    placeRow(fields, idGrid, 3, GeneralRow::ExtensionAndProtectionCode);
    left->addWidget(identity);

    auto* timing = new QGroupBox("PTT Parameters");
    auto* grid = new QGridLayout(timing);
    int line = 0;
    placeRow(fields, grid, line++, GeneralRow::PttPriInterval);
    placeRow(fields, grid, line++, GeneralRow::PttAltInterval);
    placeRow(fields, grid, line++, GeneralRow::MaxDataXmissions);
    placeRow(fields, grid, line++, GeneralRow::StartupXmitFmt);
    placeRow(fields, grid, line++, GeneralRow::PttStartupHours);
    placeRow(fields, grid, line++, GeneralRow::MaxHistFixes);
    placeRow(fields, grid, line++, GeneralRow::PttOscWarmup);
    placeRow(fields, grid, line++, GeneralRow::PttLoopWarmup);
    left->addWidget(timing);
    left->addStretch();

    auto* power = new QGroupBox("Power");
    setControlId(power, PageControl::PowerGroup);
    auto* powerLayout = new QHBoxLayout(power);
    auto* powerGroup = new QButtonGroup(form);
    powerLayout->addWidget(radioRow(fields, GeneralRow::PwrLevelSel, "1 Watt Power", powerGroup));
    powerLayout->addWidget(radioRow(fields, GeneralRow::PowerLevelHalfWatt, "\u00bd Watt Power", powerGroup));
    right->addWidget(power);

    auto* frequency = new QGroupBox("Frequency");
    auto* frequencyGrid = new QGridLayout(frequency);
    auto* frequencyGroup = new QButtonGroup(form);
    frequencyGrid->addWidget(
        radioRow(fields, GeneralRow::SelectSpecificFrequency, "Specific Frequency", frequencyGroup), 0, 0, 1,
        4);
    frequencyGrid->addWidget(radioRow(fields, GeneralRow::SelectTableFrequency,
                                      "Channel / Frequency Table (ARGOS)", frequencyGroup),
                             1, 0, 1, 4);
    frequencyGrid->addWidget(radioRow(fields, GeneralRow::SelectTableChannel,
                                      "Channel / Frequency Table (Brazil)", frequencyGroup),
                             2, 0, 1, 4);
    placeRow(fields, frequencyGrid, 3, GeneralRow::SpecifiedPTTFreq, {"Transmit Freq (MHz)"});
    placeRow(fields, frequencyGrid, 4, GeneralRow::ArgosCh, {"ARGOS Channel"});
    placeRow(fields, frequencyGrid, 5, GeneralRow::BrazilCh, {"Brazil Channel"});
    right->addWidget(frequency);

    auto* encryption = new QGroupBox("Encryption");
    setControlId(encryption, PageControl::EncryptionGroup);
    auto* encryptionGrid = new QGridLayout(encryption);
    auto* encodeGroup = new QButtonGroup(form);
    encryptionGrid->addWidget(radioRow(fields, GeneralRow::TimeEncodeTypeNone, "None", encodeGroup), 0, 0);
    encryptionGrid->addWidget(radioRow(fields, GeneralRow::TimeEncodeType1, "Type 1", encodeGroup), 0, 1);
    encryptionGrid->addWidget(radioRow(fields, GeneralRow::TimeEncodeType2, "Type 2", encodeGroup), 0, 2);
    auto* seedGrid = new QGridLayout;
    placeRow(fields, seedGrid, 0, GeneralRow::PNSeedValue);
    encryptionGrid->addLayout(seedGrid, 1, 0, 1, 3);
    right->addWidget(encryption);
    right->addStretch();

    for (const int row : {GeneralRow::XmitterType, GeneralRow::TimeEncode, GeneralRow::PNTimeEncode,
                          GeneralRow::SelectFreqIndex})
        hiddenRow(fields, row);
    return form;
}

QWidget* TransmitterTab::buildNetworkForm() {
    auto* form = new QWidget;
    FieldBinder& fields = bind(Page::TransmitterNetwork, form);
    auto* outer = new QVBoxLayout(form);
    auto* group = new QGroupBox("Spread Spectrum Network");
    auto* grid = new QGridLayout(group);
    int line = 0;
    placeRow(fields, grid, line++, GeneralRow::NetStartupHrs);
    placeRow(fields, grid, line++, GeneralRow::NetListenInt);
    placeRow(fields, grid, line++, GeneralRow::NetConnTimeOut);
    placeRow(fields, grid, line++, GeneralRow::NetPacketTimeOut);
    placeRow(fields, grid, line++, GeneralRow::NetETFTPPort);
    for (const int row : {StringRow::NetIPAddr, StringRow::IPSubMask}) {
        const BoundRow address = placeText(fields, grid, line++, row);
        auto* edit = qobject_cast<QLineEdit*>(address.value);
        edit->setMaxLength(15);
        edit->setInputMask({});
    }
    grid->addWidget(flagRow(fields, GeneralRow::NetHoldoffEnabled, "Network Holdoff Delay:"), line++, 0, 1,
                    4);
    placeRow(fields, grid, line++, GeneralRow::NetHoldoff, {nullptr, "min"});
    outer->addWidget(group);
    outer->addStretch();
    for (const int row : {GeneralRow::NetworkIPAddressValue, GeneralRow::IPSubNetMaskValue})
        hiddenRow(fields, row);
    return form;
}

Page TransmitterTab::shownForm() const {
    return forms->currentWidget() == networkForm ? Page::TransmitterNetwork : Page::Transmitter;
}

void TransmitterTab::showFormOfType() {
    const bool network = pageOfTab(Tab::Transmitter, pageContext().record) == Page::TransmitterNetwork;
    forms->setCurrentWidget(network ? networkForm : pttForm);
}

void TransmitterTab::pageShown(Page page) {
    showFormOfType();
    ParameterTabPage::pageShown(page);
}

}  // namespace orv
