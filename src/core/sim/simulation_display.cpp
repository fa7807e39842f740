#include "sim/simulation_display.h"

#include <vector>

namespace orv {

ChartDisplay simulationDisplay(const SimulationChart& chart, std::span<const std::uint32_t> fixes,
                               bool gpsEnabled, std::span<const std::uint32_t> transmissions,
                               bool transmitterEnabled, const Budget* battery, const ChartTextFit& fit) {
    ChartDisplay list = chartDisplay(chart, fixes, gpsEnabled, transmissions, transmitterEnabled, fit);
    // The battery line runs in the upper strip that is drawn, over its marks.
    if (battery != nullptr && (gpsEnabled || transmitterEnabled)) {
        const std::vector<ChartLine> line =
            batteryLine(chart, *battery, gpsEnabled ? kChartGpsStrip : kChartTransmitterStrip);
        list.lines.insert(list.lines.end(), line.begin(), line.end());
    }
    return list;
}

}  // namespace orv
