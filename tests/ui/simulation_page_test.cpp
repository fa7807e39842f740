// The Simulation tab in the started program: runs when shown and on every
// change, the chart painted where the display list says, the watchdog's
// message, superseded runs, hover texts, wheel scrolling and zooming.

#include "tabs/simulation_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>
#include <QWheelEvent>

#include "draw/draw_chart.h"
#include "report_service.h"
#include "sim/budget.h"
#include "sim/sim_messages.h"
#include "simulation_runner.h"
#include "tabs/budget_panel.h"
#include "widgets/simulation_chart_widget.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class SimulationTab : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
        window().resize(1200, 860);
        window().show();
    }

    SimulationPage& page() {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i)
            if (auto* found = qobject_cast<SimulationPage*>(tabPageAt(tabs, i))) return *found;
        throw std::runtime_error("no Simulation tab");
    }
    void showTab() {
        QTabWidget* tabs = window().tabWidget();
        showTabOf(tabs, &page());
    }
    // Waits for the next run to reach the chart.
    bool waitForRun(int runsBefore) {
        return waitUntil([&] { return runs > runsBefore; }, std::chrono::seconds(20));
    }
    void countRuns() {
        QObject::connect(&page(), &SimulationPage::runShown, [this] { ++runs; });
    }
    int runs = 0;
};

TEST_F(SimulationTab, ShowingTheTabRunsAndPaintsTheMarksWhereTheListPutsThem) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    SimulationChartWidget& chart = page().chartWidget();
    ASSERT_NE(chart.run(), nullptr);
    EXPECT_EQ(chart.run()->startTime, 1772323200u);
    EXPECT_EQ(chart.chart().viewStart(), 1772323200);
    EXPECT_FALSE(chart.run()->fixes.empty());

    const QImage image = chart.grab().toImage();
    const ChartDisplay display = chart.display();
    int sampled = 0;
    for (const ChartLine& line : display.lines) {
        if (line.pen != ChartPen::GpsMark) continue;
        const QPoint centre(static_cast<int>((line.x0 + line.x1) / 2 * chart.width()),
                            static_cast<int>(line.y0 * chart.height()));
        ASSERT_EQ(image.pixelColor(centre * image.devicePixelRatio()), QColor(0, 0, 255)) << sampled;
        if (++sampled == 40) break;
    }
    EXPECT_EQ(sampled, 40);
    // The reset record's transmitter is off: nothing orange anywhere.
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) ASSERT_NE(image.pixelColor(x, y), QColor(255, 176, 0));
}

TEST_F(SimulationTab, YearsDateAndEnterRunAgainKeepingTheZoom) {
    countRuns();
    showTab();
    ASSERT_TRUE(waitForRun(0));
    SimulationChartWidget& chart = page().chartWidget();
    chart.zoomIn();
    // A new date: a run from it, the view on it, the zoom level kept.
    page().dateEdit().setDate(QDate(2027, 6, 15));
    Q_EMIT page().dateEdit().editingFinished();
    ASSERT_TRUE(waitForRun(1));
    EXPECT_EQ(chart.chart().viewStart(), 1813017600);  // 2027-06-15
    EXPECT_EQ(chart.chart().zoomLevel(), 1);
    const std::uint32_t lastFix = chart.run()->fixes.back();

    // Two years through the edit: the field conversion stores them, the run is shorter.
    auto* years = page().findChild<QLineEdit*>();
    ASSERT_NE(years, nullptr);
    years->setFocus();
    years->setText("2");
    page().button("Zoom In")->setFocus();  // leaving the edit
    ASSERT_TRUE(waitForRun(2));
    EXPECT_EQ(record().general(GeneralRow::SimulationYears), 2);
    EXPECT_LT(chart.run()->fixes.back(), lastFix);
    EXPECT_LE(chart.run()->fixes.back(), 1813017600u + 2u * 31536000u + 3600u);

    // Leaving the edit unchanged runs nothing; Enter on the tab does.
    years->setFocus();
    page().button("Zoom In")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(page().runner().running());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(years, &enter);
    ASSERT_TRUE(waitForRun(3));

    // Loading a record while the tab is up runs again.
    window().workflow().screen.showRecord();
    ASSERT_TRUE(waitForRun(4));
}

TEST_F(SimulationTab, AYearTypedIntoTheDatePickerIsKept) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    // As a person does it: a click into the year, four digits, Tab away.
    QDateEdit& date = page().dateEdit();
    auto* text = date.findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    const int year = text->fontMetrics().horizontalAdvance(QStringLiteral("03/01/20"));
    QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, QPoint(year + 4, text->height() / 2));
    QCoreApplication::processEvents();
    ASSERT_TRUE(date.hasFocus());
    QTest::keyClicks(&date, "2029");
    QTest::keyClick(&date, Qt::Key_Tab);
    ASSERT_TRUE(waitForRun(1));
    EXPECT_EQ(date.date(), QDate(2029, 3, 1));
    EXPECT_EQ(page().chartWidget().run()->startTime, 1867017600u);  // 2029-03-01
    // The month typed over the month in place; Tab would only step to the day
    // inside the picker, so Enter applies it.
    QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, QPoint(4, text->height() / 2));
    QCoreApplication::processEvents();
    QTest::keyClicks(&date, "11");
    QTest::keyClick(&date, Qt::Key_Return);
    ASSERT_TRUE(waitForRun(2));
    EXPECT_EQ(date.date(), QDate(2029, 11, 1));
}

TEST_F(SimulationTab, ButtonsZoomAndScrollTheView) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 5));  // a Thursday
    showTab();
    ASSERT_TRUE(waitForRun(0));
    const SimulationChart& view = page().chartWidget().chart();
    const std::int64_t start = 1772668800;
    page().button("Forward >")->click();
    EXPECT_EQ(view.viewStart(), start + 1209600);
    page().button("< Backward")->click();
    page().button("Zoom In")->click();
    page().button("Zoom In")->click();
    EXPECT_EQ(view.viewSpan(), 172800);
    page().button("Forward >")->click();
    EXPECT_EQ(view.viewStart(), start + 57600);
    page().button("Zoom Out")->click();
    EXPECT_EQ(view.viewStart(), start);  // 16:00 back to 00:00
    page().button("Zoom Out")->click();
    EXPECT_EQ(view.viewStart() % 604800, 0);
    EXPECT_EQ(view.zoomLevel(), 0);
    const std::int64_t before = QDateTime::currentSecsSinceEpoch();
    page().button("Deploy Date:")->click();
    EXPECT_GE(view.viewStart(), before);
    EXPECT_LE(view.viewStart(), QDateTime::currentSecsSinceEpoch());
}

TEST_F(SimulationTab, WheelScrollsAndCtrlWheelZoomsByTheButtonsSteps) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    SimulationChartWidget& chart = page().chartWidget();
    const std::int64_t start = chart.chart().viewStart();
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(200, 200), chart.mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&chart, &event);
    };
    wheel(-120, Qt::NoModifier);  // towards the user: forward
    EXPECT_EQ(chart.chart().viewStart(), start + 1209600);
    wheel(60, Qt::NoModifier);  // half a notch: nothing yet
    EXPECT_EQ(chart.chart().viewStart(), start + 1209600);
    wheel(60, Qt::NoModifier);
    EXPECT_EQ(chart.chart().viewStart(), start);
    wheel(240, Qt::ControlModifier);  // two notches away: zoom in twice
    EXPECT_EQ(chart.chart().zoomLevel(), 2);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(chart.chart().zoomLevel(), 1);
}

TEST_F(SimulationTab, HoveringAMarkNamesItsTimeAndSeason) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    SimulationChartWidget& chart = page().chartWidget();
    const ChartDisplay display = chart.display();
    const auto mark = std::find_if(display.lines.begin(), display.lines.end(),
                                   [](const ChartLine& l) { return l.pen == ChartPen::GpsMark; });
    ASSERT_NE(mark, display.lines.end());
    const QPointF centre((mark->x0 + mark->x1) / 2 * chart.width(), mark->y0 * chart.height());
    const std::uint32_t first = chart.run()->fixes.front();
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(first, QTimeZone::utc());
    EXPECT_EQ(chart.hoverText(centre), "GPS fix\n" + utc.toString("yyyy-MM-dd HH:mm:ss") + " UTC\nSeason 1");
    // Between the strips and beside the marks there is nothing to name.
    EXPECT_EQ(chart.hoverText(QPointF(chart.width() * 0.5, chart.height() * 0.5)), "");
    EXPECT_EQ(chart.hoverText(QPointF(5, 5)), "");
}

// The collar's clock ends on 2106-02-07: a deployment whose years end later
// is refused with that date, and the chart keeps the last run.
TEST_F(SimulationTab, ADeploymentEndingAfterTheCollarsClockIsRefused) {
    countRuns();
    showTab();
    ASSERT_TRUE(waitForRun(0));
    const auto shown = page().chartWidget().run();
    page().dateEdit().setDate(QDate(2105, 6, 1));  // with the default years: past the clock's end
    Q_EMIT page().dateEdit().editingFinished();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sawText(pastCollarClockMessage(record().general(GeneralRow::SimulationYears))));
    EXPECT_NE(pastCollarClockMessage(1).find("02/07/2106"), std::string::npos);
    EXPECT_FALSE(page().runner().running());
    EXPECT_EQ(page().chartWidget().run(), shown);
}

TEST_F(SimulationTab, AStuckRunShowsTheWatchdogMessageAndItsPoints) {
    countRuns();
    // A season whose windows never open: the search for a fix never ends.
    for (int s = 1; s <= kSeasons; ++s) {
        record().season(s, SeasonRow::GpsNumHours_1) = 0;
    }
    page().runner().watchdog = std::chrono::milliseconds(100);
    showTab();
    ASSERT_TRUE(waitForRun(0));
    EXPECT_TRUE(page().chartWidget().run()->stopped);
    EXPECT_TRUE(sawText(kSimulationFailedMessage));
}

TEST_F(SimulationTab, TheBudgetPanelFollowsTheScheduleAndStoresTheBattery) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    BudgetPanel& panel = page().budgetPanel();
    EXPECT_NE(panel.text().indexOf("Over 1460 days"), -1) << panel.text().toStdString();
    EXPECT_NE(panel.text().indexOf("Pessimistic, 60 % of fixes succeed"), -1);
    // Hourly fixes for four years spend more than the usable 15200 mAh.
    EXPECT_TRUE(panel.warning());
    ASSERT_NE(page().budget(), nullptr);
    ASSERT_TRUE(page().budget()->batteryEndDay.has_value());

    // One year through the years edit: a new run, a new budget that lasts.
    auto* years = page().findChild<QLineEdit*>();
    years->setFocus();
    years->setText("1");
    page().button("Zoom In")->setFocus();
    ASSERT_TRUE(waitForRun(1));
    EXPECT_NE(panel.text().indexOf("Over 365 days"), -1);
    EXPECT_FALSE(panel.warning());
    EXPECT_NE(panel.text().indexOf("battery lasts beyond 2027-02-28"), -1);
    // The ledger: the default schedule runs in season 1 only.
    ASSERT_EQ(panel.ledger()->rowCount(), 1);
    EXPECT_EQ(panel.ledger()->item(0, 1)->text(), "8759");
    EXPECT_EQ(panel.ledger()->horizontalHeaderItem(1)->text(), "Fix attempts");

    // A smaller battery, typed in the panel: stored, and the budget follows without a run.
    panel.batteryEdit()->setText("2000");
    Q_EMIT panel.batteryEdit()->editingFinished();
    EXPECT_EQ(page().budget()->energy.batteryMah, 2000);
    EXPECT_TRUE(panel.warning());
    EXPECT_NE(dir.read("Orv3.cfg").find("Battery mAh=2000"), std::string::npos);
    EXPECT_EQ(runs, 2);

    // A bad entry: the message, and the kept value back in the edit.
    panel.usableEdit()->setText("150");
    Q_EMIT panel.usableEdit()->editingFinished();
    EXPECT_TRUE(sawText("The usable share of the battery is a percentage from 0 to 100, not '150'."));
    EXPECT_EQ(panel.usableEdit()->text(), "80");
    EXPECT_NE(dir.read("Orv3.cfg").find("Usable Percent=80"), std::string::npos);

    // Every assumption is there with what it means; a new one typed and left is
    // stored and worked in: at full success no fix fails.
    for (const EnergyKey& key : energyKeys()) {
        ASSERT_NE(panel.edit(key.key), nullptr) << key.key;
        EXPECT_FALSE(panel.edit(key.key)->toolTip().isEmpty()) << key.key;
    }
    panel.pages()->setCurrentIndex(1);
    QLineEdit* success = panel.edit("Fix Success Percent");
    success->setFocus();
    success->selectAll();
    QTest::keyClicks(success, "100");
    panel.edit("Beacon uA")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(page().budget()->fixSuccessPercent, 100);
    EXPECT_DOUBLE_EQ(page().budget()->meanDailyMas.failedFixes, 0);
    EXPECT_NE(dir.read("Orv3.cfg").find("Fix Success Percent=100"), std::string::npos);
    EXPECT_EQ(runs, 2);
}

TEST_F(SimulationTab, TheBatteryLineReachesTheBottomAtTheBatteryEndAndCanBeSwitchedOff) {
    countRuns();
    page().dateEdit().setDate(QDate(2026, 3, 1));
    showTab();
    ASSERT_TRUE(waitForRun(0));
    BudgetPanel& panel = page().budgetPanel();
    panel.batteryEdit()->setText("100");  // spent within the first days
    Q_EMIT panel.batteryEdit()->editingFinished();
    const Budget* budget = page().budget();
    ASSERT_TRUE(budget->batteryEndDay.has_value());
    const int endDay = *budget->batteryEndDay;
    ASSERT_LT(endDay, 35);
    const auto battery = [&] {
        std::vector<ChartLine> found;
        for (const ChartLine& line : page().chartWidget().display().lines)
            if (line.pen == ChartPen::BatteryLine) found.push_back(line);
        return found;
    };
    const auto line = battery();
    ASSERT_EQ(line.size(), 35u);
    // The pessimistic line beside it, dashed, ends no later.
    std::size_t dashed = 0;
    for (const ChartLine& piece : page().chartWidget().display().lines)
        dashed += piece.pen == ChartPen::PessimisticBatteryLine ? 1 : 0;
    EXPECT_EQ(dashed, 35u);
    EXPECT_LE(*budget->pessimistic.batteryEndDay, endDay);
    const double bottom = ChartGeometry::stripBottom(kChartGpsStrip);
    EXPECT_LT(line[static_cast<std::size_t>(endDay)].y0, bottom);
    EXPECT_DOUBLE_EQ(line[static_cast<std::size_t>(endDay)].y1, bottom);
    // The printed report's charts follow the switch: from the tab, its budget;
    // run first from elsewhere, a budget of that run.
    ReportService& reports = window().reports();
    EXPECT_EQ(reports.simulationSource(true)->battery.get(), budget);
    EXPECT_NE(reports.simulationSource(false)->battery, nullptr);
    panel.lineSwitch()->setChecked(false);
    EXPECT_TRUE(battery().empty());
    EXPECT_EQ(reports.simulationSource(true)->battery, nullptr);
    EXPECT_EQ(reports.simulationSource(false)->battery, nullptr);
}

TEST(SimulationRunner, ANewerRunReplacesTheOneGoing) {
    SimulationRunner runner;
    std::vector<std::shared_ptr<const SimulationJob>> delivered;
    QObject::connect(&runner, &SimulationRunner::finished,
                     [&](std::shared_ptr<const SimulationJob> job) { delivered.push_back(std::move(job)); });
    ParameterRecord record;
    resetRecord(record);
    record.general(GeneralRow::SimulationYears) = 8;
    for (std::uint32_t day = 0; day < 5; ++day) runner.start(record, 1772323200u + day * 86400u);
    ASSERT_TRUE(runner.running());
    ASSERT_TRUE(waitUntil([&] { return !runner.running(); }, std::chrono::seconds(20)));
    QCoreApplication::processEvents();
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0]->startTime, 1772323200u + 4u * 86400u);
    EXPECT_FALSE(delivered[0]->stopped);
}

}  // namespace
}  // namespace orv::test
