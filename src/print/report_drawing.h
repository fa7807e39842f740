#pragma once

// The two printed reports, drawn on any paged device (a PDF for a print queue
// or a file).

#include <string>

#include "model/record.h"
#include "reports/report_job.h"

class QPainter;
class QPagedPaintDevice;

namespace orv {

// The software programming report on one page; the schedule table runs on to
// a further page only when its seasons do not all fit on the first.
void drawSprReport(QPainter& painter, QPagedPaintDevice& device, const ParameterRecord& record,
                   const std::string& titleSuffix);

// The schedule simulation report: the header, the identity lines and the
// chart twice, the second panel two scroll steps further on.
void drawSimulationReport(QPainter& painter, QPagedPaintDevice& device, const ParameterRecord& record,
                          const SimulationSnapshot& simulation);

}  // namespace orv
