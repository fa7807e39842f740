#include "dialogs/com_port_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "binding/control_access.h"
#include "model/access.h"
#include "model/definitions.h"
#include "qt_field_controls.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

template <std::size_t N>
QComboBox* choiceCombo(const char* const (&choices)[N], bool editable, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const char* choice : choices) combo->addItem(choice);
    combo->setEditable(editable);
    return combo;
}

void selectText(QComboBox* combo, const std::string& text) {
    const int index = combo->findText(QString::fromStdString(text));
    if (index >= 0) {
        combo->setCurrentIndex(index);
    } else if (combo->isEditable()) {
        combo->setEditText(QString::fromStdString(text));
    }
}

int slotOf(const std::string& port) {
    for (int slot = 0; slot < kSerialSlots; ++slot) {
        if (port == kComPortChoices[slot]) return slot;
    }
    return 0;
}

}  // namespace

ComPortDialog::ComPortDialog(const ComDialogFields& fields,
                             const std::array<std::string, kSerialSlots>& slotDevices,
                             const std::vector<std::string>& found, int userMask, QWidget* parent)
    : QDialog(parent),
      devices(slotDevices),
      port(choiceCombo(kComPortChoices, false, this)),
      baud(choiceCombo(kBaudRateChoices, true, this)),
      parity(choiceCombo(kParityChoices, false, this)),
      dataBits(choiceCombo(kDataBitsChoices, false, this)),
      stopBits(choiceCombo(kStopBitsChoices, false, this)),
      voltage(choiceCombo(kVoltageChoices, false, this)),
      device(new QComboBox(this)),
      singlePin(new QCheckBox("Single-\nPin I/O", this)),
      trace(new QCheckBox("Serial trace", this)),
      traceFile(new QLineEdit(this)),
      showChanges(new QCheckBox(wftext::kShowChangesBox, this)) {
    setWindowTitle("COM Port Parameters");
    device->setEditable(true);
    for (const std::string& path : found) device->addItem(QString::fromStdString(path));

    auto* form = new QFormLayout;
    auto addRow = [&](const char* caption, QWidget* field, int row) {
        auto* label = new QLabel(caption, this);
        const int id = controlIdFor(kControlTableBase, row);
        setControlId(field, id + kValueControlOffset);
        setControlId(label, id + kLabelControlOffset);
        form->addRow(label, field);
    };
    addRow("COM Port:", port, ControlRow::PortCombo);
    form->addRow(new QLabel("Device:", this), device);
    addRow("Baud Rate:", baud, ControlRow::BaudRateCombo);
    addRow("Parity:", parity, ControlRow::ParityCombo);
    addRow("Data Bits:", dataBits, ControlRow::DataBitsCombo);
    addRow("Stop Bits:", stopBits, ControlRow::StopBitsCombo);
    addRow("Target Voltage:", voltage, ControlRow::VoltageCombo);
    setControlId(singlePin, controlRowControl(ControlRow::SinglePinButton));
    form->addRow(QString(), singlePin);
    // For support: every frame to and from the collar into the file.
    trace->setToolTip("Writes every frame sent to and received from the collar to this file, for support.");
    form->addRow(trace, traceFile);
    // Off for a factory line that programs collars straight from the database.
    form->addRow(QString(), showChanges);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    selectText(port, fields.port);
    selectText(baud, fields.baudRate);
    selectText(parity, fields.parity);
    selectText(dataBits, fields.dataBits);
    selectText(stopBits, fields.stopBits);
    selectText(voltage, fields.voltage);
    singlePin->setChecked(fields.singlePin);
    trace->setChecked(fields.serialTrace);
    traceFile->setText(QString::fromStdString(fields.traceFile));
    showChanges->setChecked(fields.showChanges);
    shownSlot = slotOf(fields.port);
    if (!fields.devicePath.empty()) devices[static_cast<std::size_t>(shownSlot)] = fields.devicePath;
    selectText(device, devices[static_cast<std::size_t>(shownSlot)]);
    connect(port, &QComboBox::currentIndexChanged, this, &ComPortDialog::slotChosen);

    QtFieldControls controls(this);
    applyAccess(controls, Page::ComPortDialog, controlDefinitions(), userMask, true);
}

void ComPortDialog::slotChosen(int index) {
    // The device typed for the slot being left is kept while the dialog is open.
    devices[static_cast<std::size_t>(shownSlot)] = device->currentText().toStdString();
    shownSlot = std::clamp(index, 0, kSerialSlots - 1);
    selectText(device, devices[static_cast<std::size_t>(shownSlot)]);
}

ComDialogFields ComPortDialog::fields() const {
    ComDialogFields f;
    f.port = port->currentText().toStdString();
    f.baudRate = baud->currentText().toStdString();
    f.parity = parity->currentText().toStdString();
    f.dataBits = dataBits->currentText().toStdString();
    f.stopBits = stopBits->currentText().toStdString();
    f.voltage = voltage->currentText().toStdString();
    f.singlePin = singlePin->isChecked();
    f.devicePath = device->currentText().trimmed().toStdString();
    f.serialTrace = trace->isChecked();
    f.traceFile = traceFile->text().trimmed().toStdString();
    f.showChanges = showChanges->isChecked();
    return f;
}

}  // namespace orv
