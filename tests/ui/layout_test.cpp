// Every tab at every access level, as the window shows it: no control is cut
// off or lies over another, every edit is about as wide as what it holds
// (not the window's width), and the fields keep their places when the window
// or its font grows. With ORV_RENDER_DIR set each view is also written there
// as a PNG, to be looked at.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <vector>

#include "model/access.h"
#include "tabs/tab_page.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class LayoutTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
        window().show();
    }

    QWidget* showTab(int index) {
        window().tabWidget()->setCurrentIndex(index);
        QApplication::processEvents();
        return tabPageAt(window().tabWidget(), index);
    }

    static bool isLeaf(const QWidget* widget) {
        return qobject_cast<const QGroupBox*>(widget) == nullptr && QtFieldControls::idOf(widget) != 0;
    }
    static QRect placed(const QWidget* widget, const QWidget* page) {
        return {widget->mapTo(page, QPoint(0, 0)), widget->size()};
    }

    // What a person would see wrong on the page: a control outside it, two on
    // top of each other, an edit too narrow for its text or far wider than it.
    void checkPage(QWidget* page, const std::string& view) {
        std::vector<QWidget*> shown;
        for (QWidget* child : page->findChildren<QWidget*>())
            if (child->isVisibleTo(page) && isLeaf(child)) shown.push_back(child);
        const QRect area = page->rect();
        const int digit = page->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            QWidget* widget = shown[i];
            const std::string what = view + " control " + std::to_string(QtFieldControls::idOf(widget));
            EXPECT_TRUE(area.contains(placed(widget, page))) << what << " lies outside the page";
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                QWidget* other = shown[j];
                if (widget->isAncestorOf(other) || other->isAncestorOf(widget)) continue;
                EXPECT_FALSE(placed(widget, page).intersects(placed(other, page)))
                    << what << " overlaps control " << QtFieldControls::idOf(other);
            }
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                // The text's room: inside the frame, the margins and the edit's own two pixels a side.
                const QMargins margins = edit->textMargins();
                const int room = edit->contentsRect().width() - margins.left() - margins.right() - 4;
                EXPECT_GE(room, edit->fontMetrics().horizontalAdvance(edit->text()))
                    << what << " cuts off '" << edit->text().toStdString() << "'";
                EXPECT_LE(edit->width(), 30 * digit) << what << " is " << edit->width() << " px wide";
            }
            if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->minimumSizeHint().width()) << what << " cuts off its text";
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_GE(button->width(), button->minimumSizeHint().width()) << what << " cuts off its text";
            }
        }
    }

    void render(const std::string& view) {
        const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
        if (!folder.isEmpty())
            window().grab().save(QDir(folder).filePath(QString::fromStdString(view) + ".png"));
    }

    std::string viewName(const AccessLevel& level, int tab) {
        return std::string(level.name) + "_" +
               QString(window().tabWidget()->tabText(tab)).remove('.').replace(' ', '_').toStdString();
    }
};

TEST_F(LayoutTest, EveryTabAtEveryAccessLevelShowsItsControlsWholeAndApart) {
    // The fullest forms: Petrel with power select and encryption, the beacon
    // and salt-water switch on, activity data.
    ParameterRecord& r = record();
    r.general(GeneralRow::XmitterEnblType) = 2;
    r.general(GeneralRow::XmitEncryption) = 1;
    r.general(GeneralRow::TimeEncode) = 1;
    r.general(GeneralRow::BeaconType) = 2;
    r.general(GeneralRow::VHFBeaconEnabled) = 1;
    r.general(GeneralRow::SWSEnabled) = 1;
    r.general(GeneralRow::DataCollMode) = 1;
    for (const AccessLevel& level : kAccessLevels) {
        loginAs(level.name, level.name, level.mask);
        window().workflow().screen.showRecord();
        for (int tab = 0; tab < window().tabWidget()->count(); ++tab) {
            QWidget* page = showTab(tab);
            const std::string view = viewName(level, tab);
            checkPage(page, view);
            render(view);
        }
    }
    // The network form.
    r.general(GeneralRow::XmitterEnblType) = 3;
    window().workflow().screen.showRecord();
    for (int tab = 0; tab < window().tabWidget()->count(); ++tab) {
        if (window().tabWidget()->tabText(tab) != "Transmitter") continue;
        checkPage(showTab(tab), "Engineer_Transmitter_network");
        render("Engineer_Transmitter_network");
    }
}

TEST_F(LayoutTest, FieldsKeepTheirWidthAsTheWindowGrowsAndFollowTheFont) {
    loginAs("Engineer", "Engineer", kMaskEngineer);
    window().resize(1000, 760);
    QWidget* gps = showTab(0);
    auto* elevation = dynamic_cast<QtFieldControls*>(window().pageSet().controls(Page::GpsParms))
                          ->widget(generalDefinitions()[GeneralRow::ElevAngle].controlId);
    ASSERT_NE(elevation, nullptr);
    const int narrow = elevation->width();
    window().resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_EQ(elevation->width(), narrow) << "the window's growth goes beside the fields";
    checkPage(gps, "wide window");

    // The desktop's font grows: the fields grow with it.
    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    waitUntil([&] { return elevation->width() > narrow; }, std::chrono::seconds(2));
    EXPECT_GT(elevation->width(), narrow) << "the field follows its font";
    checkPage(gps, "larger font");
    render("Engineer_GPS_Parms_larger_font");
    QApplication::setFont(before);
}

}  // namespace
}  // namespace orv::test
