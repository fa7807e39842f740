#pragma once

// The Simulation tab: the years and deployment date of the run, the zoom and
// scroll buttons, and the chart. A run starts when the tab is shown, when
// Enter is pressed on it, when the years or the date change and when a record
// is loaded while the tab is shown; it runs off the GUI thread and a newer run
// replaces one still going.

#include <QDate>
#include <memory>
#include <string>

#include "tabs/tab_page.h"

class QDateEdit;
class QPushButton;

namespace orv {

class BudgetPanel;
class MessageLog;
struct Budget;
class SimulationChartWidget;
class SimulationRunner;
struct SimulationJob;

class SimulationPage : public TabPage {
    Q_OBJECT
public:
    explicit SimulationPage(const BinderContext& context, QWidget* parent = nullptr);
    ~SimulationPage() override;

    // Where the watchdog's failure message goes, and the settings file that
    // holds the energy figures of the budget.
    void attach(MessageLog* log, const std::string& settingsFile);

    void pageShown(Page page) override;

    // Asks for a run; requests made together start one run.
    void requestRun();

    SimulationChartWidget& chartWidget() { return *chart; }
    SimulationRunner& runner() { return *simulation; }
    BudgetPanel& budgetPanel() { return *panel; }
    // The budget of the run on the chart; nullptr before the first run.
    const Budget* budget() const { return shownBudget.get(); }
    QDateEdit& dateEdit() { return *deployDate; }
    QPushButton* button(const QString& text) const;
    // 00:00 UTC of the chosen deployment date.
    std::uint32_t deploymentTime() const;

Q_SIGNALS:
    // A run's events are on the chart.
    void runShown();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startRun();
    void runFinished(std::shared_ptr<const SimulationJob> job);
    void dateChosen();
    void showBudget();
    double recordYears() const;

    SimulationChartWidget* chart = nullptr;
    BudgetPanel* panel = nullptr;
    std::shared_ptr<const SimulationJob> shownRun;
    std::shared_ptr<const Budget> shownBudget;
    double shownYears = 0;  // the years the shown run was made for
    QDateEdit* deployDate = nullptr;
    std::unique_ptr<SimulationRunner> simulation;
    MessageLog* messages = nullptr;
    bool runPending = false;
    // What the last run was asked for, so that leaving a field unchanged does not run again.
    QDate lastDate;
    double lastYears = -1;
    double runYears = 0;  // the years of the run going
};

}  // namespace orv
