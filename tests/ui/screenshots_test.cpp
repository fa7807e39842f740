// The README's two pictures, made by the offscreen renderer: the main window
// on a filled page and the Simulation tab with its chart. With
// ORV_SCREENSHOT_DIR set (scripts/screenshots.sh) they are written there;
// either way the pictures are checked for what a reader should see in them.

#include <QColor>
#include <QDate>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <cstdlib>

#include "tabs/simulation_page.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class Screenshots : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
        window().resize(1100, 860);
        window().show();
        window().jobCombo()->setEditText("P1001");
        window().ctnCombo()->setEditText("7");
    }
    void showTab(const QString& title) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == title) tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
    }
    // Keeps the picture where the README takes it from, when asked to.
    QImage take(const QString& name) {
        const QImage image = window().grab().toImage();
        if (const char* folder = std::getenv("ORV_SCREENSHOT_DIR")) image.save(QString(folder) + "/" + name);
        return image;
    }
    static int pixelsOf(const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) ++count;
        return count;
    }
};

TEST_F(Screenshots, TheMainWindowOnAFilledPageAndTheSimulationChart) {
    showTab("GPS Parms");
    const QImage main = take("main-window.png");
    EXPECT_EQ(main.size(), window().size() * window().devicePixelRatio());

    SimulationPage* page = nullptr;
    QTabWidget* tabs = window().tabWidget();
    for (int i = 0; i < tabs->count(); ++i)
        if (auto* found = qobject_cast<SimulationPage*>(tabPageAt(tabs, i))) page = found;
    ASSERT_NE(page, nullptr);
    int runs = 0;
    QObject::connect(page, &SimulationPage::runShown, [&runs] { ++runs; });
    page->dateEdit().setDate(QDate(2027, 3, 1));
    showTab("Simulation");
    ASSERT_TRUE(waitUntil([&] { return runs > 0; }, std::chrono::seconds(20)));
    QCoreApplication::processEvents();
    const QImage chart = take("simulation-tab.png");
    // The chart shows the default schedule's fixes: marks in the GPS blue.
    EXPECT_GT(pixelsOf(chart, QColor(0, 0, 255)), 100);
}

}  // namespace
}  // namespace orv::test
