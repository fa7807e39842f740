// The season pages, the Schedule Table and "Get Defaults" with its dialog.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

#include "dialogs/parameter_defaults_dialog.h"
#include "pages/season_page.h"
#include "person.h"
#include "tabs/schedule_page.h"
#include "widgets/schedule_table_view.h"
#include "widgets/up_down_control.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class SeasonsTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);
        startProgram();
        loginAs("eng", "Engineer", 0x088);  // "Get Defaults" is the Engineer's
    }
    // The next dialog is the defaults dialog; fill() acts on it and says OK or not.
    void whenDefaultsShown(std::function<bool(ParameterDefaultsDialog&)> fill) {
        dialogAnswers.push_back(
            [fill](QDialog& dialog) { return fill(dynamic_cast<ParameterDefaultsDialog&>(dialog)); });
    }
    static void clickBox(ParameterDefaultsDialog& dialog, const std::string& name) {
        const DefaultsBoxRef ref = findDefaultsBox(name);
        ASSERT_NE(ref.box, nullptr);
        auto* box = qobject_cast<QCheckBox*>(dialog.box(ref.tab, ref.box->controlId));
        ASSERT_NE(box, nullptr);
        box->click();
    }
    static QPushButton* buttonNamed(QDialog& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().remove('&') == text) return button;
        }
        return nullptr;
    }
    // Presses a button and tells whether the dialog ended with OK.
    static bool press(QDialog& dialog, const QString& text) {
        QPushButton* button = buttonNamed(dialog, text);
        EXPECT_NE(button, nullptr) << text.toStdString();
        if (button != nullptr) button->click();
        return dialog.result() == QDialog::Accepted;
    }
    void setEverySeason(int row, double value) {
        for (int s = 1; s <= kSeasons; ++s) record().season(s, row) = value;
    }

    template <typename PageType>
    PageType* showTab(const QString& title) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == title) {
                tabs->setCurrentIndex(i);
                return qobject_cast<PageType*>(tabPageAt(tabs, i));
            }
        }
        return nullptr;
    }
    // A season row's widget on the Schedule tab.
    static QWidget* seasonWidget(SchedulePage& page, Page form, int id) {
        return dynamic_cast<QtFieldControls&>(*page.controls(form)).widget(id);
    }
    static void typeAndLeave(QWidget* widget, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }
    static const ParameterDefinition& row(int r) { return seasonDefinitions()[static_cast<std::size_t>(r)]; }
};

TEST_F(SeasonsTest, GetDefaultsResetsTheTickedBoxInEverySeasonAndMarksTheScreen) {
    setEverySeason(SeasonRow::GpsFixInterval_2, 30);
    setEverySeason(SeasonRow::GpsFixInterval_1, 30);
    record().general(GeneralRow::ElevAngle) = 20;
    whenDefaultsShown([](ParameterDefaultsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Parameter Defaults");
        EXPECT_EQ(dialog.tabWidget()->count(), 6);
        EXPECT_EQ(dialog.tabWidget()->tabText(5), "Schedule");
        clickBox(dialog, "GPS Fix Interval[2]");
        return press(dialog, "OK");
    });
    window().button(MainButton::GetDefaults)->click();
    ASSERT_EQ(dialogsRun.size(), 1U);
    for (int s = 1; s <= kSeasons; ++s) {
        EXPECT_EQ(record().season(s, SeasonRow::GpsFixInterval_2), 0) << s;
        EXPECT_EQ(record().season(s, SeasonRow::GpsFixInterval_1), 30) << s;
    }
    EXPECT_EQ(record().general(GeneralRow::ElevAngle), 20);
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));
}

TEST_F(SeasonsTest, CancelAfterSelectAllChangesNothing) {
    record().general(GeneralRow::StaticFilter) = 1;
    setEverySeason(SeasonRow::GpsNumHours_1, 3);
    const ParameterRecord before = record();
    whenDefaultsShown([](ParameterDefaultsDialog& dialog) {
        press(dialog, "Select All");
        const DefaultsBoxRef filter = findDefaultsBox("Static Filter");
        auto* box = qobject_cast<QCheckBox*>(dialog.box(filter.tab, filter.box->controlId));
        EXPECT_TRUE(box->isChecked());
        EXPECT_FALSE(box->isEnabled());
        return press(dialog, "Cancel");
    });
    window().button(MainButton::GetDefaults)->click();
    ASSERT_EQ(dialogsRun.size(), 1U);
    EXPECT_EQ(record().generalValues, before.generalValues);
    EXPECT_EQ(record().seasonValues, before.seasonValues);
}

TEST_F(SeasonsTest, UnsavedChangesQuestionAnsweredNoShowsNoDialog) {
    window().workflow().screen.parts().converter.markRecordDirty();
    answer(kAnswerNo);
    window().button(MainButton::GetDefaults)->click();
    EXPECT_TRUE(dialogsRun.empty());
    ASSERT_EQ(boxes().shown(BoxKind::Choice).size(), 1U);
    EXPECT_NE(boxes().shown(BoxKind::Choice)[0].text.find("Setting default values could destroy"),
              std::string::npos);
}

TEST_F(SeasonsTest, EditingASeasonOnTheScheduleTabShowsInTheScheduleTable) {
    auto* schedule = showTab<SchedulePage>("Schedule");
    ASSERT_NE(schedule, nullptr);
    ASSERT_EQ(schedule->blockTabs()->count(), 2);
    EXPECT_EQ(schedule->blockTabs()->tabText(0), "GPS Duty Cycle Block");
    EXPECT_EQ(schedule->blockTabs()->tabText(1), "Transmitter Duty Cycle Block");

    typeAndLeave(seasonWidget(*schedule, Page::Schedule, row(SeasonRow::Season).controlId), "3");
    EXPECT_EQ(record().currentSeason(), 3);
    qobject_cast<QRadioButton*>(seasonWidget(*schedule, Page::Schedule, row(SeasonRow::SeasonType).controlId))
        ->click();
    auto* label = qobject_cast<QLabel*>(seasonWidget(*schedule, Page::Schedule, seasonLengthLabelId()));
    EXPECT_TRUE(label->text().endsWith(kStartDayLabel));
    EXPECT_TRUE(seasonWidget(*schedule, Page::Schedule, leapYearNoteId())->isVisibleTo(schedule));
    EXPECT_FALSE(seasonWidget(*schedule, Page::Schedule, seasonRangeLabelId())->isVisibleTo(schedule));
    typeAndLeave(
        seasonWidget(*schedule, Page::Schedule, row(SeasonRow::LengthOfSeasonSeasonStartDay).controlId),
        "Apr 10");
    typeAndLeave(seasonWidget(*schedule, Page::ScheduleGpsPanel, row(SeasonRow::GpsNumHours_1).controlId),
                 "12");
    EXPECT_EQ(record().season(3, SeasonRow::SeasonType), 1);
    EXPECT_EQ(record().season(3, SeasonRow::NumberOfDays), 100);
    EXPECT_EQ(record().season(3, SeasonRow::GpsNumHours_1), 12);
    EXPECT_EQ(record().season(2, SeasonRow::GpsNumHours_1), 24);

    auto* table = showTab<ScheduleTablePage>("Schedule Table");
    ASSERT_NE(table, nullptr);
    QTableWidget* seasons = table->grid().seasonColumns();
    ASSERT_EQ(seasons->columnCount(), 12);  // the chain of a new record never leaves season 1
    EXPECT_EQ(seasons->item(0, 2)->text(), "Day of Year");
    EXPECT_EQ(seasons->item(1, 2)->text(), "Apr 10");
    EXPECT_EQ(seasons->item(7, 2)->text(), "12");  // GPS Duty Cycle 1 - # Hours
    EXPECT_EQ(table->grid().parameterColumn()->item(7, 0)->text(), "GPS Duty Cycle 1 - # Hours");
    EXPECT_EQ(seasons->item(7, 1)->text(), "24");
}

TEST_F(SeasonsTest, TheSeasonSpinStaysWithinTwelveSeasonsAndInStep) {
    auto* schedule = showTab<SchedulePage>("Schedule");
    ASSERT_NE(schedule, nullptr);
    auto* spin =
        qobject_cast<UpDownControl*>(seasonWidget(*schedule, Page::Schedule, row(SeasonRow::Season).spinId));
    auto* edit =
        qobject_cast<QLineEdit*>(seasonWidget(*schedule, Page::Schedule, row(SeasonRow::Season).controlId));
    ASSERT_NE(spin, nullptr);
    for (int i = 0; i < 14; ++i) spin->step(+1);
    EXPECT_EQ(record().currentSeason(), 12);
    EXPECT_EQ(edit->text(), "12");
    spin->step(-1);
    spin->step(-1);
    EXPECT_EQ(record().currentSeason(), 10);
    EXPECT_EQ(edit->text(), "10");
    for (int i = 0; i < 14; ++i) spin->step(-1);
    EXPECT_EQ(record().currentSeason(), 1);
    spin->step(+1);
    EXPECT_EQ(record().currentSeason(), 2);
}

TEST_F(SeasonsTest, ADcbDayOfZeroDisablesAndZeroesItsCycleOnScreen) {
    setEverySeason(SeasonRow::GpsDcbDay_2, 1);
    setEverySeason(SeasonRow::GpsNumHours_2, 5);
    window().workflow().screen.showRecord();
    auto* schedule = showTab<SchedulePage>("Schedule");
    ASSERT_NE(schedule, nullptr);
    QWidget* hours = seasonWidget(*schedule, Page::ScheduleGpsPanel, row(SeasonRow::GpsNumHours_2).controlId);
    EXPECT_TRUE(hours->isEnabled());
    typeAndLeave(seasonWidget(*schedule, Page::ScheduleGpsPanel, row(SeasonRow::GpsDcbDay_2).controlId), "0");
    EXPECT_FALSE(hours->isEnabled());
    EXPECT_EQ(qobject_cast<QLineEdit*>(hours)->text(), "0");
    EXPECT_EQ(record().season(1, SeasonRow::GpsNumHours_2), 0);
    EXPECT_EQ(record().season(2, SeasonRow::GpsNumHours_2), 5);
}

TEST_F(SeasonsTest, TheScheduleTableFollowsTheRecordWhileItIsShown) {
    auto* table = showTab<ScheduleTablePage>("Schedule Table");
    ASSERT_NE(table, nullptr);
    QTableWidget* seasons = table->grid().seasonColumns();
    const QString before = seasons->item(7, 0)->text();  // GPS Duty Cycle 1 - # Hours, season 1
    // Get Defaults with the box of that row ticked, while the table is up.
    setEverySeason(SeasonRow::GpsNumHours_1, 5);
    window().workflow().screen.showRecord();
    ASSERT_EQ(seasons->item(7, 0)->text(), "5");
    whenDefaultsShown([](ParameterDefaultsDialog& dialog) {
        clickBox(dialog, "GPS # Hours[1]");
        return press(dialog, "OK");
    });
    window().button(MainButton::GetDefaults)->click();
    ASSERT_EQ(dialogsRun.size(), 1U);
    EXPECT_EQ(seasons->item(7, 0)->text(), before);
    // Read from the database, while the table is up.
    setEverySeason(SeasonRow::GpsNumHours_1, 7);
    window().workflow().screen.showRecord();
    answer(kAnswerYes);  // yes, read over the changes
    window().button(MainButton::Read)->click();
    EXPECT_EQ(seasons->item(7, 0)->text(), before);
}

TEST_F(SeasonsTest, ChangeMarkersMoveNothingAndBelongToTheirSeason) {
    window().resize(1100, 860);
    ASSERT_TRUE(bringToFront(window()));
    auto* schedule = showTab<SchedulePage>("Schedule");
    ASSERT_NE(schedule, nullptr);
    QWidget* seasonEdit = seasonWidget(*schedule, Page::Schedule, row(SeasonRow::Season).controlId);
    const auto cell = [&](int r) {
        return seasonWidget(*schedule, Page::ScheduleGpsPanel, row(r).controlId);
    };
    const auto label = [&](int r) {
        return qobject_cast<QLabel*>(seasonWidget(*schedule, Page::ScheduleGpsPanel, row(r).labelId));
    };
    const auto placeOf = [&](QWidget* w) { return w->mapTo(schedule, QPoint(0, 0)); };
    std::vector<QPoint> before;
    for (const int r : {SeasonRow::GpsDcbDay_1, SeasonRow::GpsStartTime_1, SeasonRow::GpsNumHours_1,
                        SeasonRow::GpsFixInterval_1, SeasonRow::GpsDcbDuration})
        before.push_back(placeOf(cell(r)));

    clickInto(cell(SeasonRow::GpsNumHours_1));
    selectAllKeys(cell(SeasonRow::GpsNumHours_1));
    typeKeys(cell(SeasonRow::GpsNumHours_1), "12");
    pressTab(cell(SeasonRow::GpsNumHours_1));
    ASSERT_TRUE(label(SeasonRow::GpsNumHours_1)->text().startsWith("* "));
    QApplication::processEvents();
    std::vector<QPoint> after;
    for (const int r : {SeasonRow::GpsDcbDay_1, SeasonRow::GpsStartTime_1, SeasonRow::GpsNumHours_1,
                        SeasonRow::GpsFixInterval_1, SeasonRow::GpsDcbDuration})
        after.push_back(placeOf(cell(r)));
    EXPECT_EQ(after, before) << "a marker takes no room of its own";

    // Season 2 has no change of its own; season 1 keeps its marker.
    clickInto(seasonEdit);
    selectAllKeys(seasonEdit);
    typeKeys(seasonEdit, "2");
    pressTab(seasonEdit);
    ASSERT_EQ(record().currentSeason(), 2);
    EXPECT_FALSE(label(SeasonRow::GpsNumHours_1)->text().startsWith("* "));
    clickInto(seasonEdit);
    selectAllKeys(seasonEdit);
    typeKeys(seasonEdit, "1");
    pressTab(seasonEdit);
    ASSERT_EQ(record().currentSeason(), 1);
    EXPECT_TRUE(label(SeasonRow::GpsNumHours_1)->text().startsWith("* "));
}

TEST(ScheduleTableGrid, TwelveSeasonColumnsBesideAFixedParameterColumnRefilledWhenShown) {
    restoreBuiltinDefinitions();
    ParameterRecord record;
    resetRecord(record);
    record.season(1, SeasonRow::NextSeason) = 14;  // the chain never leaves season 1
    ScheduleTableView view(record);
    view.resize(500, 300);
    view.show();
    QTableWidget* seasons = view.seasonColumns();
    ASSERT_EQ(seasons->columnCount(), 12);
    EXPECT_EQ(seasons->horizontalHeaderItem(0)->text(), "Season 1");
    EXPECT_EQ(seasons->horizontalHeaderItem(11)->text(), "Season 12");
    EXPECT_EQ(view.parameterColumn()->horizontalHeaderItem(0)->text(), "Parameter");
    EXPECT_EQ(seasons->item(0, 11)->text(), "Number of Days");
    EXPECT_EQ(seasons->editTriggers(), QAbstractItemView::NoEditTriggers);

    // Scrolling sideways moves the seasons only; scrolling down moves both lists.
    seasons->horizontalScrollBar()->setValue(seasons->horizontalScrollBar()->maximum());
    EXPECT_GT(seasons->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(view.parameterColumn()->isVisible());
    EXPECT_EQ(view.parameterColumn()->horizontalScrollBar()->value(), 0);
    seasons->verticalScrollBar()->setValue(seasons->verticalScrollBar()->maximum());
    EXPECT_EQ(view.parameterColumn()->verticalScrollBar()->value(), seasons->verticalScrollBar()->value());

    // Shown again: the cells follow the record.
    record.season(12, SeasonRow::SeasonType) = 1;
    record.season(12, SeasonRow::NumberOfDays) = 60;
    view.hide();
    view.show();
    EXPECT_EQ(seasons->item(0, 11)->text(), "Day of Year");
    EXPECT_EQ(seasons->item(1, 11)->text(), "Mar 1");
}

}  // namespace
}  // namespace orv::test
