// The chart painted from its display list: marks where the list puts them,
// in their colours, on any device size and pixel ratio.

#include "draw/draw_chart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <ctime>

#include "sim/chart_display.h"

namespace orv {
namespace {

std::int64_t utcDay(int year, int month, int day, int hour = 0, int minute = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return timegm(&t);
}

QImage paint(const ChartDisplay& display, QSize size, double ratio = 1) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), display, ChartColours{});
    return image;
}

// The centre of a mark line, in logical pixels of an area of that size.
QPoint centreOf(const ChartLine& line, QSize size) {
    return QPoint(static_cast<int>((line.x0 + line.x1) / 2 * size.width()),
                  static_cast<int>(line.y0 * size.height()));
}

int countColour(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

const QColor kBlue(0, 0, 255);
const QColor kOrange(255, 176, 0);

struct ChartCase {
    SimulationChart chart{utcDay(2024, 3, 1)};
    std::vector<std::uint32_t> fixes{static_cast<std::uint32_t>(utcDay(2024, 3, 2)),
                                     static_cast<std::uint32_t>(utcDay(2024, 3, 10, 12)),
                                     static_cast<std::uint32_t>(utcDay(2024, 3, 20, 23, 59))};
    std::vector<std::uint32_t> transmissions{static_cast<std::uint32_t>(utcDay(2024, 3, 5, 6))};
};

std::vector<ChartLine> marks(const ChartDisplay& display, ChartPen pen) {
    std::vector<ChartLine> found;
    for (const ChartLine& line : display.lines)
        if (line.pen == pen) found.push_back(line);
    return found;
}

TEST(DrawChart, MarksLandWhereTheListPutsThemInTheirColoursAtAnySize) {
    ChartCase c;
    const ChartDisplay display = chartDisplay(c.chart, c.fixes, true, c.transmissions, true);
    const auto gps = marks(display, ChartPen::GpsMark);
    const auto xmit = marks(display, ChartPen::TransmitterMark);
    ASSERT_EQ(gps.size(), 3u);
    ASSERT_EQ(xmit.size(), 1u);
    for (const QSize size : {QSize(1600, 900), QSize(800, 600), QSize(2400, 700)}) {
        SCOPED_TRACE(size.width());
        const QImage image = paint(display, size);
        for (const ChartLine& line : gps) EXPECT_EQ(image.pixelColor(centreOf(line, size)), kBlue);
        EXPECT_EQ(image.pixelColor(centreOf(xmit[0], size)), kOrange);
        // The whole area is painted: no trace of the image's old content.
        EXPECT_EQ(countColour(image, Qt::magenta), 0);
        // Midnight sits at the bottom of its strip, 23:59 near the top.
        EXPECT_GT(gps[0].y0, gps[1].y0);
        EXPECT_GT(gps[1].y0, gps[2].y0);
    }
}

TEST(DrawChart, IsCrispOnADoubleDensityDevice) {
    ChartCase c;
    const ChartDisplay display = chartDisplay(c.chart, c.fixes, true, c.transmissions, true);
    const QSize size(800, 450);
    const QImage image = paint(display, size, 2);
    const ChartLine mark = marks(display, ChartPen::GpsMark)[1];
    const QPoint centre = centreOf(mark, size) * 2;
    EXPECT_EQ(image.pixelColor(centre), kBlue);
    // No antialiased fringe: pixels are either the mark's blue or not bluish at all.
    for (int dy = -6; dy <= 6; ++dy) {
        const QColor pixel = image.pixelColor(centre + QPoint(0, dy));
        EXPECT_TRUE(pixel == kBlue || pixel.blue() <= pixel.red() + 40) << dy;
    }
}

TEST(DrawChart, DisabledStripLeavesNoTrace) {
    ChartCase c;
    const QSize size(1200, 700);
    const QImage without = paint(chartDisplay(c.chart, c.fixes, true, c.transmissions, false), size);
    EXPECT_EQ(countColour(without, kOrange), 0);
    EXPECT_GT(countColour(without, kBlue), 0);
    // Nothing dark (title, hour labels, frame) in the transmitter's band left of the
    // plot, where only the date grid would otherwise pass.
    const int left = static_cast<int>(ChartGeometry::plotLeft * size.width()) - 2;
    const int top = static_cast<int>(ChartGeometry::stripTop(kChartTransmitterStrip) * size.height()) - 5;
    const int bottom =
        static_cast<int>(ChartGeometry::stripBottom(kChartTransmitterStrip) * size.height()) + 5;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < left; ++x) ASSERT_GT(without.pixelColor(x, y).lightness(), 200) << x << "," << y;
    const QImage neither = paint(chartDisplay(c.chart, c.fixes, false, c.transmissions, false), size);
    EXPECT_EQ(countColour(neither, kBlue), 0);
}

TEST(DrawChart, UsesTheGivenColoursAndAnEmptyAreaPaintsNothing) {
    ChartCase c;
    const ChartDisplay display = chartDisplay(c.chart, c.fixes, true, c.transmissions, true);
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        DrawChart(painter, QRectF(100, 100, 0, 200), display, ChartColours{});
    }
    EXPECT_EQ(countColour(image, Qt::magenta), 600 * 400);
    {
        QPainter painter(&image);
        DrawChart(painter, QRectF(0, 0, 300, 400), display, ChartColours{Qt::white, Qt::black});
    }
    // Only the left half is painted, dark, and the right half is untouched.
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(countColour(image, Qt::magenta), 300 * 400);
}

// Hourly marks at the window's chart size: every stroke equally thick, at one
// and at two device pixels per logical one (a stroke between two pixel rows
// would cover one row more than its neighbours).
TEST(DrawChart, HourlyMarksAreAllEquallyThick) {
    const SimulationChart chart(utcDay(2024, 3, 1));
    std::vector<std::uint32_t> hourly;
    for (int hour = 0; hour < 24; ++hour)
        hourly.push_back(static_cast<std::uint32_t>(utcDay(2024, 3, 3, hour)));
    const ChartDisplay display = chartDisplay(chart, hourly, true, {}, false);
    const QSize size(781, 453);
    for (const double ratio : {1.0, 2.0}) {
        const QImage image = paint(display, size, ratio);
        const ChartLine mark = marks(display, ChartPen::GpsMark).front();
        const int x = static_cast<int>((mark.x0 + mark.x1) / 2 * size.width() * ratio);
        std::vector<int> runs;
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == kBlue) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
        ASSERT_EQ(runs.size(), 24u) << ratio;
        EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [&](int r) { return r == runs.front(); })) << ratio;
        EXPECT_GE(runs.front(), static_cast<int>(ratio));
    }
}

}  // namespace
}  // namespace orv
