#pragma once

// The Simulation tab's chart: paints the display list with DrawChart into the
// whole widget (sharp at any size and pixel ratio), shows what a mark is when
// the mouse rests on it, scrolls with the wheel and zooms with Ctrl+wheel.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "sim/budget.h"
#include "sim/chart_display.h"
#include "sim/run_simulation.h"
#include "sim/simulation_chart.h"

namespace orv {

class SimulationChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit SimulationChartWidget(QWidget* parent = nullptr);

    SimulationChart& chart() { return view; }
    const SimulationChart& chart() const { return view; }

    // The events of the latest run; the view moves to its deployment date.
    void showRun(std::shared_ptr<const SimulationJob> job);
    const SimulationJob* run() const { return job.get(); }

    // Which strips are drawn: asked at every paint (the record's enable flags).
    void setEnabledStrips(std::function<std::pair<bool, bool>()> source) {
        enabledStrips = std::move(source);
    }
    // The budget whose battery line is drawn over the chart (none: no line).
    void setBudget(std::shared_ptr<const Budget> budget);
    void setBatteryLineShown(bool shown);
    // The budget whose battery line is drawn now; nullptr when none is.
    std::shared_ptr<const Budget> drawnBattery() const;

    // The display list as painted now.
    ChartDisplay display() const;
    // The window's text on the chart, for the axis layout.
    ChartTextFit textFit() const;
    // The hover text for a point of the widget; empty when no mark is there.
    QString hoverText(QPointF position) const;

    void zoomIn();
    void zoomOut();
    void scrollForward();
    void scrollBackward();
    void showPresent();

    QSize sizeHint() const override { return {900, 520}; }
    QSize minimumSizeHint() const override { return {480, 280}; }

Q_SIGNALS:
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    void changed();

    SimulationChart view;
    std::shared_ptr<const SimulationJob> job;
    std::function<std::pair<bool, bool>()> enabledStrips;
    std::shared_ptr<const Budget> budget;
    bool batteryShown = true;
    int wheelRest = 0;  // wheel turn not yet taken, in eighths of a degree
};

}  // namespace orv
