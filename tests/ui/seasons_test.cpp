// The season pages, the Schedule Table and "Get Defaults" with its dialog.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "parameter_defaults_dialog.h"
#include "schedule_table_view.h"
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
    window().workflow().parts().converter.markRecordDirty();
    answer(kAnswerNo);
    window().button(MainButton::GetDefaults)->click();
    EXPECT_TRUE(dialogsRun.empty());
    ASSERT_EQ(boxes().shown(BoxKind::Choice).size(), 1U);
    EXPECT_NE(boxes().shown(BoxKind::Choice)[0].text.find("Setting default values could destroy"),
              std::string::npos);
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
