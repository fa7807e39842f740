#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "device/com_settings.h"
#include "device/serial_port.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orv {

// "COM Port Parameters": the line settings, and the serial device that the
// chosen COM slot stands for on this machine.
class ComPortDialog : public QDialog {
    Q_OBJECT
public:
    // slotDevices: the device path of each slot now; found: the serial
    // devices present, offered in the device list.
    ComPortDialog(const ComDialogFields& fields, const std::array<std::string, kSerialSlots>& slotDevices,
                  const std::vector<std::string>& found, int userMask, QWidget* parent = nullptr);

    // The dialog's texts (after OK: what to apply).
    ComDialogFields fields() const;

    QComboBox* portCombo() const { return port; }
    QComboBox* baudCombo() const { return baud; }
    QComboBox* parityCombo() const { return parity; }
    QComboBox* dataBitsCombo() const { return dataBits; }
    QComboBox* stopBitsCombo() const { return stopBits; }
    QComboBox* voltageCombo() const { return voltage; }
    QComboBox* deviceCombo() const { return device; }
    QCheckBox* singlePinBox() const { return singlePin; }
    QCheckBox* traceBox() const { return trace; }
    QCheckBox* showChangesBox() const { return showChanges; }
    QLineEdit* traceFileEdit() const { return traceFile; }

private:
    void slotChosen(int index);

    std::array<std::string, kSerialSlots> devices;
    int shownSlot = 0;
    QComboBox* port;
    QComboBox* baud;
    QComboBox* parity;
    QComboBox* dataBits;
    QComboBox* stopBits;
    QComboBox* voltage;
    QComboBox* device;
    QCheckBox* singlePin;
    QCheckBox* trace;
    QLineEdit* traceFile;
    QCheckBox* showChanges;
};

}  // namespace orv
