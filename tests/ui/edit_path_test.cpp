// One script of edits made by hand on the window's tabs and given to orvctl
// --set: both front ends land every edit in the page handler registry, so from
// the same configuration they must end in the same configuration. orvctl starts
// from the window's (its start-up sets the device's name and status, and the
// shown pages' rules set the radio buttons that stand beside a stored choice).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engineer_login.h"
#include "files/configuration_json.h"
#include "model/access.h"
#include "run_process.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

// One edit: a row's control acted on with a text (as --set takes it), or a
// list's entry at a position (its text is what orvctl is given).
struct ScriptedEdit {
    DefinitionTable table;
    int row;
    std::string text;
    int entry = -1;
};

ScriptedEdit typed(int row, const char* text) {
    return {DefinitionTable::General, row, text};
}
ScriptedEdit typedText(int row, const char* text) {
    return {DefinitionTable::String, row, text};
}
ScriptedEdit typedSeason(int row, const char* text) {
    return {DefinitionTable::Season, row, text};
}
ScriptedEdit chosen(int row, int entry, DefinitionTable table = DefinitionTable::General) {
    return {table, row, "", entry};
}

// The lines where two configurations (one "key": value a line) differ, window first.
std::string differences(const std::string& window, const std::string& orvctl) {
    std::istringstream a(window);
    std::istringstream b(orvctl);
    std::string lineA;
    std::string lineB;
    std::string out;
    for (;;) {
        lineA.clear();
        lineB.clear();
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) break;
        if (lineA != lineB) out += "window: " + lineA + "\norvctl: " + lineB + "\n";
    }
    return out;
}

class EditPathTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
        loginAs(kTestEngineer, "Engineer", kMaskEngineer);
    }

    const ParameterDefinition& definitionOf(const ScriptedEdit& edit) {
        return definitionTable(edit.table)[static_cast<std::size_t>(edit.row)];
    }
    QWidget* widgetOf(const ScriptedEdit& edit) {
        const ParameterDefinition& definition = definitionOf(edit);
        auto* controls = dynamic_cast<QtFieldControls*>(window().pageSet().controls(definition.page));
        return controls != nullptr ? controls->widget(definition.controlId) : nullptr;
    }
    void showTabOf(Page page) {
        Tab tab{};
        ASSERT_TRUE(tabOfPage(page, tab));
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == tabTitle(tab)) tabs->setCurrentIndex(i);
        }
    }
    static void leave(QWidget* widget) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(widget, &out);
    }

    // The edit by hand on the window; returns the text orvctl is given.
    std::string actOnWindow(const ScriptedEdit& edit) {
        showTabOf(definitionOf(edit).page);
        QWidget* widget = widgetOf(edit);
        EXPECT_NE(widget, nullptr) << definitionOf(edit).label;
        if (widget == nullptr) return {};
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            const std::string text = combo->itemText(edit.entry).toStdString();
            combo->setCurrentIndex(edit.entry);
            Q_EMIT combo->activated(edit.entry);
            return text;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // A radio button is clicked to tick it; a check box when it changes.
            if (button->autoExclusive() || button->isChecked() != (edit.text == "1")) button->click();
            return edit.text;
        }
        auto* line = qobject_cast<QLineEdit*>(widget);
        EXPECT_NE(line, nullptr) << definitionOf(edit).label;
        if (line == nullptr) return {};
        const QString text = QString::fromStdString(edit.text);
        line->setText(text);
        Q_EMIT line->textEdited(text);
        leave(line);
        return edit.text;
    }

    // The same edits through orvctl in the window's folder (its settings file),
    // from the configuration the window started with.
    ProcessResult runScript(const std::vector<std::pair<std::string, std::string>>& sets) {
        std::vector<std::string> args = engineerLogin(dir.path().string());
        args.insert(args.begin(), {"show", "--json", "--json", startFile()});
        for (const auto& [name, text] : sets) {
            args.push_back("--set");
            args.push_back(name + "=" + text);
        }
        return runOrvctl(args, dir.path().string());
    }

    std::string startFile() const { return (dir.path() / "start.json").string(); }

    std::string setName(const ScriptedEdit& edit) {
        const std::string name(rowName(definitionOf(edit)));
        return edit.table == DefinitionTable::Season ? name + "[1]" : name;
    }
};

TEST_F(EditPathTest, OneScriptByHandOnTheTabsAndThroughOrvctlEndsInTheSameConfiguration) {
    std::ofstream(startFile()) << configurationJson(record(), true);
    const ProcessResult before = runScript({});
    ASSERT_EQ(before.status, 0) << before.err;
    ASSERT_EQ(differences(configurationJson(record(), false), before.out), "")
        << "the two front ends start apart";

    const std::vector<ScriptedEdit> script = {
        typed(GeneralRow::ElevAngle, "10.3"),        // rounded to the step, with a warning
        typed(GeneralRow::AlmanacTimeout, "13:02"),  // to the step of its kind
        chosen(GeneralRow::Dynamics, 2),
        chosen(GeneralRow::XmitterEnblType, 1),  // its handler turns transmissions on
        typed(GeneralRow::SpecifiedPTTFreq, "401.6312"),
        typed(GeneralRow::PttIdCode, "40000"),         // typed, then left: the hex text follows
        typedText(StringRow::IDHexValue, "0001C3A5"),  // the handler stores the codes it holds
        typed(GeneralRow::TimeEncodeType2, "1"),       // a radio row of three
        typed(GeneralRow::XmitEncryption, "1"),
        typed(GeneralRow::SWSEnabled, "1"),
        chosen(GeneralRow::DataCollMode, 1),
        typed(GeneralRow::ActivitySenseInterval, "1:30"),
        typedText(StringRow::VHFPattern1, "101"),        // typed: the pattern map follows
        typedText(StringRow::NetIPAddr, "10.20.30.40"),  // the handler stores text and number
        typed(GeneralRow::NetHoldoffEnabled, "1"),
        typed(GeneralRow::NetHoldoff, "12"),
        chosen(SeasonRow::FixIntervalUnits, 1, DefinitionTable::Season),
        typedSeason(SeasonRow::GpsFixInterval_1, "95"),
        typedSeason(SeasonRow::SeasonType, "1"),
    };
    std::vector<std::pair<std::string, std::string>> sets;
    for (const ScriptedEdit& edit : script) sets.emplace_back(setName(edit), actOnWindow(edit));

    const ProcessResult after = runScript(sets);
    ASSERT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(differences(configurationJson(record(), false), after.out), "");
    // The script changed what it says, so the comparison compares something.
    EXPECT_EQ(record().general(GeneralRow::ElevAngle), 10.5);
    EXPECT_EQ(record().general(GeneralRow::XmitnsEnabled), 1);
    EXPECT_EQ(record().text(StringRow::NetIPAddr), "010.020.030.040");
    EXPECT_NE(before.out, after.out);
}

}  // namespace
}  // namespace orv::test
