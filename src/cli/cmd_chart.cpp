// orvctl chart: the simulation chart drawn to a file, offscreen. .png, .pdf
// and .svg are painted by DrawChart exactly as the window paints them; .json
// is the chart's content: the view, the axis labels and the placed marks.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "app/utf8_text.h"
#include "cli_messages.h"
#include "draw/draw_chart.h"
#include "sim/chart_display.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kDefaultHeight = 900;
constexpr int kLargestSide = 10000;
constexpr int kSmallestSide = 100;

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool parseSize(const std::string& text, int& width, int& height) {
    char x = 0, end = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &width, &x, &height, &end) != 3 || x != 'x') return false;
    return width >= kSmallestSide && width <= kLargestSide && height >= kSmallestSide &&
           height <= kLargestSide;
}

nlohmann::ordered_json ticksJson(const std::vector<ChartTick>& ticks) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ChartTick& tick : ticks) list.push_back({{"t", tick.time}, {"label", asUtf8(tick.label)}});
    return list;
}

nlohmann::ordered_json stripJson(const SimulationChart& chart, const char* title, bool enabled,
                                 const std::vector<std::uint32_t>& events) {
    nlohmann::ordered_json marks = nlohmann::ordered_json::array();
    if (enabled) {
        for (const ChartMark& mark : chartMarks(chart, events))
            marks.push_back({{"t", mark.time}, {"x", mark.x}, {"h", mark.h}});
    }
    return {{"title", title}, {"enabled", enabled}, {"marks", std::move(marks)}};
}

std::string chartJson(const SimulationChart& chart, const SimulationJob& job, bool gps, bool transmitter) {
    const nlohmann::ordered_json content = {
        {"view_start", chart.viewStart()},
        {"span", chart.viewSpan()},
        {"zoom", chart.zoomLevel()},
        {"lower_ticks", ticksJson(chartLowerTicks(chart))},
        {"upper_labels", ticksJson(chartUpperLabels(chart))},
        {"strips",
         {stripJson(chart, "GPS Fixes", gps, job.fixes),
          stripJson(chart, "Transmitter", transmitter, job.transmissions)}},
    };
    return content.dump(2) + "\n";
}

// Qt's notes about the session's run-time folder concern no file we write.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Painting needs a GUI application; without a display, the offscreen platform.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) return nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "orvctl";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool drawTo(const QString& path, const std::string& kind, const QSize& size, const ChartDisplay& display) {
    const QRectF area(QPointF(0, 0), QSizeF(size));
    // A file is black on white, whatever the desktop's theme.
    const ChartColours colours;
    if (kind == "png") {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            DrawChart(painter, area, display, colours);
        }
        return image.save(path, "PNG");
    }
    if (kind == "pdf") {
        QPdfWriter writer(path);
        // One pixel a 96th of an inch: the page is the chart's size.
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(size.width() / 96.0, size.height() / 96.0), QPageSize::Inch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(painter.viewport().size())), display, colours);
        return painter.end();
    }
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(area);
    generator.setTitle("Simulation");
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    DrawChart(painter, area, display, colours);
    return painter.end();
}

// "YYYY-MM-DD" of the latest day a view may start on.
std::string latestViewStartText() {
    const std::time_t latest = static_cast<std::time_t>(kChartLatestViewStart);
    std::tm day{};
    gmtime_r(&latest, &day);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

int runChart(Session& session, const Args& args) {
    SimulationOptions options;
    if (int rc = readSimulationOptions("chart", args, options); rc != kExitOk) return rc;
    const auto output = args.value("o");
    if (!output || output->empty()) return usageError(clitext::kChartNeedsOutput);
    std::string kind;
    for (const char* ext : {"png", "pdf", "svg", "json"})
        if (endsWith(*output, std::string(".") + ext)) kind = ext;
    if (kind.empty()) return usageError(clitext::chartOutputUnknown(*output));
    std::uint32_t viewStart = options.start;
    if (const auto text = args.value("view-start")) {
        if (!parseDate(*text, viewStart)) return usageError(clitext::viewStartNotDate(*text));
        if (viewStart > kChartLatestViewStart)
            return usageError(clitext::viewStartPastClock(*text, latestViewStartText()));
    }
    int zoom = 0;
    if (const auto text = args.value("zoom")) {
        if (*text != "0" && *text != "1" && *text != "2") return usageError(clitext::zoomUnknown(*text));
        zoom = (*text)[0] - '0';
    }
    int width = kDefaultWidth, height = kDefaultHeight;
    if (const auto text = args.value("size"); text && !parseSize(*text, width, height))
        return usageError(clitext::sizeUnknown(*text));

    SimulationJob job;
    if (int rc = simulateConfiguration(session, args, options, job); rc != kExitOk) return rc;
    SimulationChart chart(options.start);
    for (int level = 0; level < zoom; ++level) chart.zoomIn();
    chart.showRunFrom(viewStart);
    const bool gps = session.record.general(GeneralRow::GpsFixingEnabled) != 0.0;
    const bool transmitter = session.record.general(GeneralRow::XmitnsEnabled) != 0.0;

    bool written = false;
    if (kind == "json") {
        const std::string text = chartJson(chart, job, gps, transmitter);
        QFile file(QString::fromStdString(*output));
        written =
            file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
        file.close();
        written = written && file.error() == QFileDevice::NoError;
    } else {
        const auto app = guiApplication();
        written = drawTo(QString::fromStdString(*output), kind, QSize(width, height),
                         chartDisplay(chart, job.fixes, gps, job.transmissions, transmitter));
    }
    if (!written) {
        session.log.error("%s", clitext::chartNotWritten(*output).c_str());
        return kExitFailed;
    }
    return job.stopped ? kExitWatchdog : kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("chart", runChart, {"start", "years", "view-start", "zoom", "size", "o"});

}  // namespace orv::cli
