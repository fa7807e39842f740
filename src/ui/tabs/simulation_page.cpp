#include "tabs/simulation_page.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>

#include "app/message_log.h"
#include "binding/field_converter.h"
#include "model/record.h"
#include "sim/budget.h"
#include "sim/sim_messages.h"
#include "simulation_runner.h"
#include "tabs/budget_panel.h"
#include "widgets/section_date_edit.h"
#include "widgets/simulation_chart_widget.h"
#include "widgets/up_down_control.h"

namespace orv {

namespace {

// The dates a run can start on: the collar counts seconds since 1970 in 32 bits.
const QDate kFirstDate(1970, 1, 1);
const QDate kLastDate(2105, 12, 31);

QPushButton* addButton(QHBoxLayout* row, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

SimulationPage::SimulationPage(const BinderContext& context, QWidget* parent)
    : TabPage(Tab::Simulation, context, parent), simulation(std::make_unique<SimulationRunner>()) {
    FieldBinder& fields = bind(Page::Simulation);
    auto* controls = new QHBoxLayout;
    const BoundRow years = fields.row(GeneralRow::SimulationYears, {"Years"});
    if (years.value != nullptr) {
        years.value->setMaximumWidth(48);
        controls->addWidget(years.value);
    }
    if (years.spin != nullptr) controls->addWidget(years.spin);
    if (years.label != nullptr) controls->addWidget(years.label);
    controls->addSpacing(16);
    QPushButton* present = addButton(controls, "Deploy Date:");
    deployDate = new SectionDateEdit(QDateTime::currentDateTimeUtc().date());
    deployDate->setCalendarPopup(true);
    deployDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    deployDate->setDateRange(kFirstDate, kLastDate);
    controls->addWidget(deployDate);
    controls->addSpacing(16);
    QPushButton* zoomIn = addButton(controls, "Zoom In");
    QPushButton* zoomOut = addButton(controls, "Zoom Out");
    QPushButton* backward = addButton(controls, "< Backward");
    QPushButton* forward = addButton(controls, "Forward >");
    controls->addStretch();

    chart = new SimulationChartWidget;
    chart->setEnabledStrips([this] {
        const ParameterRecord& record = binderContext().converter->parameterRecord();
        return std::pair{record.general(GeneralRow::GpsFixingEnabled) != 0.0,
                         record.general(GeneralRow::XmitnsEnabled) != 0.0};
    });
    auto* body = new QHBoxLayout;
    body->addWidget(chart, 1);
    panel = new BudgetPanel;
    body->addWidget(panel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(body, 1);

    connect(present, &QPushButton::clicked, chart, &SimulationChartWidget::showPresent);
    connect(zoomIn, &QPushButton::clicked, chart, &SimulationChartWidget::zoomIn);
    connect(zoomOut, &QPushButton::clicked, chart, &SimulationChartWidget::zoomOut);
    connect(backward, &QPushButton::clicked, chart, &SimulationChartWidget::scrollBackward);
    connect(forward, &QPushButton::clicked, chart, &SimulationChartWidget::scrollForward);
    connect(deployDate, &QDateEdit::editingFinished, this, &SimulationPage::dateChosen);
    connect(deployDate->calendarWidget(), &QCalendarWidget::clicked, this, &SimulationPage::dateChosen);
    connect(deployDate->calendarWidget(), &QCalendarWidget::activated, this, &SimulationPage::dateChosen);
    // The years went through the field conversion (leaving the edit, a spin step).
    fields.onEdited([this](DefinitionTable, int row) {
        if (row == GeneralRow::SimulationYears && recordYears() != lastYears) requestRun();
    });
    connect(simulation.get(), &SimulationRunner::finished, this, &SimulationPage::runFinished);
    connect(panel, &BudgetPanel::energyChanged, this, &SimulationPage::showBudget);
    connect(panel, &BudgetPanel::batteryLineSwitched, chart, &SimulationChartWidget::setBatteryLineShown);
}

void SimulationPage::attach(MessageLog* log, const std::string& settingsFile) {
    messages = log;
    panel->attach(log, settingsFile);
    showBudget();
}

SimulationPage::~SimulationPage() = default;

QPushButton* SimulationPage::button(const QString& text) const {
    for (QPushButton* found : findChildren<QPushButton*>())
        if (found->text() == text) return found;
    return nullptr;
}

std::uint32_t SimulationPage::deploymentTime() const {
    return static_cast<std::uint32_t>(
        QDateTime(deployDate->date(), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch());
}

double SimulationPage::recordYears() const {
    return binderContext().converter->parameterRecord().general(GeneralRow::SimulationYears);
}

void SimulationPage::pageShown(Page page) {
    // The record was shown on the page: the tab came up, or a record was loaded while it is up.
    if (page == Page::Simulation && isVisible()) requestRun();
}

void SimulationPage::showEvent(QShowEvent* event) {
    TabPage::showEvent(event);
    requestRun();
}

void SimulationPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The window takes the key as well (it stores the field first); the run follows.
        requestRun();
        event->ignore();
        return;
    }
    TabPage::keyPressEvent(event);
}

void SimulationPage::dateChosen() {
    if (deployDate->date() != lastDate) requestRun();
}

void SimulationPage::requestRun() {
    if (runPending) return;
    runPending = true;
    QTimer::singleShot(0, this, &SimulationPage::startRun);
}

void SimulationPage::startRun() {
    runPending = false;
    if (!binderContext().converter) return;
    lastDate = deployDate->date();
    lastYears = recordYears();
    // A run past the collar's clock is refused before it starts; the chart keeps what it shows.
    if (endsAfterCollarClock(deploymentTime(), lastYears)) {
        if (messages != nullptr) messages->error("%s", pastCollarClockMessage(lastYears).c_str());
        return;
    }
    runYears = lastYears;
    simulation->start(binderContext().converter->parameterRecord(), deploymentTime());
}

void SimulationPage::runFinished(std::shared_ptr<const SimulationJob> job) {
    const bool failed = job->stopped;
    shownRun = job;
    shownYears = runYears;
    chart->showRun(std::move(job));
    showBudget();
    if (failed && messages != nullptr) messages->error("%s", kSimulationFailedMessage);
    Q_EMIT runShown();
}

void SimulationPage::showBudget() {
    if (!shownRun) return;
    shownBudget = std::make_shared<const Budget>(computeBudget(*shownRun, shownYears, panel->energy()));
    panel->showBudget(*shownBudget);
    chart->setBudget(shownBudget);
}

}  // namespace orv
