#pragma once

#include <memory>
#include <string>

#include "reports/report_job.h"

namespace orv {

class MessageLog;
class SimulationPage;
struct ParameterRecord;

// The simulation report's content from the Simulation tab. Shown (and a run
// on its chart): the chart's view, its events and its budget as they are on
// screen. Otherwise the simulation runs first from the tab's deployment date,
// on a copy of its chart, with the budget of that run. Either way the charts
// carry the battery line when the tab's "Show on chart" switch is on.
std::shared_ptr<const SimulationSnapshot> simulationForReport(SimulationPage& page,
                                                              const ParameterRecord& record, MessageLog& log,
                                                              const std::string& settingsFile, bool tabShown);

}  // namespace orv
