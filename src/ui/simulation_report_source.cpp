#include "simulation_report_source.h"

#include "app/energy_settings.h"
#include "image/firmware_table.h"
#include "model/record.h"
#include "sim/budget.h"
#include "sim/run_simulation.h"
#include "tabs/budget_panel.h"
#include "tabs/simulation_page.h"
#include "widgets/simulation_chart_widget.h"

namespace orv {

std::shared_ptr<const SimulationSnapshot> simulationForReport(SimulationPage& page,
                                                              const ParameterRecord& record, MessageLog& log,
                                                              const std::string& settingsFile,
                                                              bool tabShown) {
    SimulationChartWidget& widget = page.chartWidget();
    if (tabShown && widget.run() != nullptr) {
        auto snapshot = std::make_shared<SimulationSnapshot>(
            simulationSnapshot(record, widget.chart(), widget.run()->fixes, widget.run()->transmissions));
        if (const Budget* budget = page.budget()) addBudgetNotes(*snapshot, *budget);
        snapshot->battery = widget.drawnBattery();
        return snapshot;
    }
    SimulationJob run;
    run.firmwareRow = findFirmware(record.text(StringRow::FenmodFwVer));
    run.startTime = page.deploymentTime();
    runSimulation(record, run, log);
    SimulationChart chart = widget.chart();
    chart.showRunFrom(run.startTime);
    auto budget = std::make_shared<const Budget>(computeBudget(
        run, record.general(GeneralRow::SimulationYears), readEnergySettings(settingsFile, log)));
    auto snapshot = std::make_shared<SimulationSnapshot>(
        simulationSnapshot(record, chart, std::move(run.fixes), std::move(run.transmissions)));
    addBudgetNotes(*snapshot, *budget);
    if (page.budgetPanel().batteryLineShown()) snapshot->battery = std::move(budget);
    return snapshot;
}

}  // namespace orv
