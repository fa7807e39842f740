#pragma once

// The battery and event budget beside the Simulation tab's chart. "Figures":
// the budget's lines (nominal and pessimistic), in warning colours when the
// battery ends before the simulated period does, and the per-season ledger.
// "Assumptions": every [Energy] figure, editable, kept in the settings file,
// each with a tooltip saying what it means, and the battery line switch.

#include <QGroupBox>
#include <map>
#include <string>

#include "app/energy_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;

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
    // The nominal battery ends before the period does.
    bool warning() const { return warned; }
    QString text() const;
    bool batteryLineShown() const;

    // The edit of an [Energy] key ("Battery mAh"); nullptr for no such key.
    QLineEdit* edit(const char* key) const;
    QLineEdit* batteryEdit() const { return edit("Battery mAh"); }
    QLineEdit* usableEdit() const { return edit("Usable Percent"); }
    QCheckBox* lineSwitch() const { return lineBox; }
    QTableWidget* ledger() const { return seasons; }
    QTabWidget* pages() const { return tabs; }

Q_SIGNALS:
    // A figure changed (and was stored): the budget wants working out again.
    void energyChanged();
    void batteryLineSwitched(bool shown);

private:
    void entryLeft(const EnergyKey& key);
    void showFigures();

    std::map<std::string, QLineEdit*> edits;
    QCheckBox* lineBox = nullptr;
    QLabel* lines = nullptr;
    QTableWidget* seasons = nullptr;
    QTabWidget* tabs = nullptr;
    EnergySettings figures;
    MessageLog* messages = nullptr;
    std::string file;
    bool warned = false;
};

}  // namespace orv
