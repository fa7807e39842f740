#include "widgets/simulation_chart_widget.h"

#include <QDateTime>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "draw/draw_chart.h"
#include "sim/chart_hover.h"
#include "sim/simulation_display.h"

namespace orv {

namespace {

// One notch of a common wheel.
constexpr int kWheelNotch = 120;
// How near (in pixels) the pointer must be to a mark to name it.
constexpr double kHoverReach = 4;

}  // namespace

SimulationChartWidget::SimulationChartWidget(QWidget* parent)
    : QWidget(parent), view(QDateTime::currentSecsSinceEpoch()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SimulationChartWidget::showRun(std::shared_ptr<const SimulationJob> run) {
    job = std::move(run);
    if (job) view.showRunFrom(job->startTime);
    changed();
}

void SimulationChartWidget::setBudget(std::shared_ptr<const Budget> shown) {
    budget = std::move(shown);
    update();
}

void SimulationChartWidget::setBatteryLineShown(bool shown) {
    batteryShown = shown;
    update();
}

ChartDisplay SimulationChartWidget::display() const {
    const auto [gps, transmitter] = enabledStrips ? enabledStrips() : std::pair{true, true};
    static const std::vector<std::uint32_t> none;
    return simulationDisplay(view, job ? job->fixes : none, gps, job ? job->transmissions : none, transmitter,
                             drawnBattery().get(), textFit());
}

// The chart's text at the window's font size at least (larger when the chart's
// own scale makes it so), as shares of the widget.
ChartTextFit SimulationChartWidget::textFit() const {
    if (width() <= 0 || height() <= 0) return {};
    const double windowPixels = QFontInfo(font()).pixelSize();
    const double chartPixels = 175 * chartUnitScale(QRectF(rect()));
    const double pixels = std::max(windowPixels, chartPixels);
    QFont text = font();
    text.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    const QFontMetricsF metrics(text);
    return {pixels / height(), metrics.height() / height(),
            metrics.horizontalAdvance(QLatin1Char('0')) / width()};
}

std::shared_ptr<const Budget> SimulationChartWidget::drawnBattery() const {
    return batteryShown ? budget : nullptr;
}

QString SimulationChartWidget::hoverText(QPointF position) const {
    if (!job || width() <= 0 || height() <= 0) return {};
    const auto [gps, transmitter] = enabledStrips ? enabledStrips() : std::pair{true, true};
    const ChartStripEvents fixes{gps, job->fixes, job->fixSeasons};
    const ChartStripEvents transmissions{transmitter, job->transmissions, job->transmissionSeasons};
    const auto hit = chartHitAt(view, fixes, transmissions, position.x() / width(), position.y() / height(),
                                kHoverReach / height());
    return hit ? QString::fromStdString(chartHitText(*hit)) : QString();
}

void SimulationChartWidget::zoomIn() {
    view.zoomIn();
    changed();
}

void SimulationChartWidget::zoomOut() {
    view.zoomOut();
    changed();
}

void SimulationChartWidget::scrollForward() {
    view.scrollForward();
    changed();
}

void SimulationChartWidget::scrollBackward() {
    view.scrollBackward();
    changed();
}

void SimulationChartWidget::showPresent() {
    view.setViewStart(QDateTime::currentSecsSinceEpoch());
    changed();
}

void SimulationChartWidget::changed() {
    update();
    Q_EMIT viewChanged();
}

void SimulationChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawChart(painter, QRectF(rect()), display());
}

// A notch away from the user goes back in time (or zooms in with Ctrl), a
// notch towards the user forward (or zooms out).
void SimulationChartWidget::wheelEvent(QWheelEvent* event) {
    wheelRest += event->angleDelta().y();
    const bool zoom = (event->modifiers() & Qt::ControlModifier) != 0;
    while (wheelRest >= kWheelNotch || wheelRest <= -kWheelNotch) {
        const bool away = wheelRest > 0;
        wheelRest += away ? -kWheelNotch : kWheelNotch;
        if (zoom)
            away ? view.zoomIn() : view.zoomOut();
        else
            away ? view.scrollBackward() : view.scrollForward();
    }
    changed();
    event->accept();
}

bool SimulationChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = hoverText(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace orv
