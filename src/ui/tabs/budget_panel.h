#pragma once

// The battery and event budget beside the Simulation tab's chart: the editable
// battery capacity and usable share (kept in the settings file), the battery
// line switch and the budget's lines, in warning colours when the battery
// ends before the simulated period does.

#include <QGroupBox>
#include <memory>
#include <string>

#include "app/energy_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orv {

class MessageLog;
struct Budget;

class BudgetPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit BudgetPanel(QWidget* parent = nullptr);

    // Reads the energy figures (warning about bad ones) from the settings file,
    // where later edits are stored.
    void attach(MessageLog* log, const std::string& settingsFile);
    const EnergySettings& energy() const { return figures; }

    void showBudget(const Budget& budget);
    bool warning() const { return warned; }
    QString text() const;
    bool batteryLineShown() const;

    QLineEdit* batteryEdit() const { return battery; }
    QLineEdit* usableEdit() const { return usable; }
    QCheckBox* lineSwitch() const { return lineBox; }

Q_SIGNALS:
    // The capacity changed (and was stored): the budget wants working out again.
    void energyChanged();
    void batteryLineSwitched(bool shown);

private:
    void entryLeft(QLineEdit* edit, bool percent);
    void showFigures();

    QLineEdit* battery = nullptr;
    QLineEdit* usable = nullptr;
    QCheckBox* lineBox = nullptr;
    QLabel* lines = nullptr;
    EnergySettings figures;
    MessageLog* messages = nullptr;
    std::string file;
    bool warned = false;
};

}  // namespace orv
