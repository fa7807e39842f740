// What a person types into the window's edits comes out as typed: key by key,
// with the focus moving as it moves under a hand. Every edit of every tab is
// swept, so a handler that rewrites the text under the caret (or shows a box
// in the middle of typing) is caught on whichever field it is attached to.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <cmath>
#include <string>

#include "app/text_helpers.h"
#include "binding/page_context.h"
#include "binding/page_handler_registry.h"
#include "model/field_entry.h"
#include "model/format_value.h"
#include "model/resolve.h"
#include "model/value_kind.h"
#include "person.h"
#include "tabs/tab_page.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

// The value row a control of the window holds: what the sweep types depends on it.
bool rowOfControl(int controlId, DefinitionTable& table, int& row) {
    for (const DefinitionTable candidate :
         {DefinitionTable::General, DefinitionTable::Season, DefinitionTable::String}) {
        const auto definitions = definitionTable(candidate);
        for (std::size_t index = 0; index < definitions.size(); ++index) {
            if (definitions[index].controlId != controlId) continue;
            table = candidate;
            row = static_cast<int>(index);
            return true;
        }
    }
    return false;
}

class TypingTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
        loginAs("eng", "Engineer", 0x088);
        window().resize(1100, 860);
        ASSERT_TRUE(bringToFront(window()));
    }

    void showTab(Tab tab) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == tabTitle(tab)) tabs->setCurrentIndex(i);
        QApplication::processEvents();
    }
    QWidget* control(Page page, int id) {
        auto* controls = dynamic_cast<QtFieldControls*>(window().pageSet().controls(page));
        return controls != nullptr ? controls->widget(id) : nullptr;
    }
    // The Transmitter tab with encryption on, and its PN seed field.
    QWidget* showSeedField() {
        record().general(GeneralRow::XmitterEnblType) = 1;
        record().general(GeneralRow::XmitEncryption) = 1;
        record().general(GeneralRow::TimeEncode) = 1;
        window().workflow().screen.showRecord();
        showTab(Tab::Transmitter);
        return generalEdit(GeneralRow::PNSeedValue);
    }
    QWidget* generalEdit(int row) {
        const auto& definition = generalDefinitions()[static_cast<std::size_t>(row)];
        return control(definition.page, definition.controlId);
    }
    QWidget* textEdit(int row) {
        const auto& definition = stringDefinitions()[static_cast<std::size_t>(row)];
        return control(definition.page, definition.controlId);
    }

    // Types the text into the edit as a person does (a click, Ctrl+A, one key
    // at a time) and checks after every key that the edit holds what was typed
    // so far with the caret after it, and that no box came up meanwhile.
    void typeChecked(QWidget* edit, const QString& text, const std::string& what) {
        clickInto(edit);
        ASSERT_TRUE(edit->hasFocus()) << what;
        selectAllKeys(edit);
        boxes().clear();
        for (int n = 1; n <= text.size(); ++n) {
            typeKeys(edit, text.mid(n - 1, 1));
            ASSERT_EQ(editText(edit), text.left(n)) << what;
            ASSERT_EQ(caretOf(edit), n) << what;
        }
        EXPECT_TRUE(boxes().boxes.empty()) << what << ": " << boxes().boxes.front().text;
    }

    // A text of several characters the field takes as it stands (a value of
    // its kind, within its limits, on its step), or empty when none is found.
    QString acceptedText(Page page, int row) {
        const ResolvedField field = resolve(record(), page, row);
        const ParameterDefinition& definition = *field.definition;
        const double step = definition.step == 0 ? 1 : std::fabs(definition.step);
        for (const double fraction : {0.37, 0.73, 0.5, 1.0}) {
            const double value =
                definition.minValue +
                std::round((definition.maxValue - definition.minValue) * fraction / step) * step;
            const std::string text(trimmed(formatValue(value, field.kind)));
            const FieldEntry entry = acceptEntry(definition, field.kind, text, record());
            if (text.size() >= 2 && !entry.refused && entry.notices.empty() && entry.value == entry.entered)
                return QString::fromStdString(text);
        }
        return {};
    }
    static QString textFor(int stringRow) {
        if (stringRow >= StringRow::VHFPattern1 && stringRow < StringRow::VHFPattern1 + 8) return "1011";
        if (stringRow == StringRow::IDHexValue) return "1A2B3C";
        if (stringRow == StringRow::NetIPAddr || stringRow == StringRow::IPSubMask) return "010.020.030.040";
        return "AB12";
    }

    // Every visible, enabled edit of the tab's forms, typed into and left.
    void sweepTab(Tab tab) {
        showTab(tab);
        for (const Page page : tabFacts(tab).pageList()) {
            auto* controls = dynamic_cast<QtFieldControls*>(window().pageSet().controls(page));
            if (controls == nullptr) continue;
            for (QWidget* widget : controls->page()->findChildren<QWidget*>()) {
                const bool edit = qobject_cast<QLineEdit*>(widget) != nullptr ||
                                  qobject_cast<QPlainTextEdit*>(widget) != nullptr;
                const int id = QtFieldControls::idOf(widget);
                DefinitionTable table{};
                int row = 0;
                if (!edit || !widget->isVisible() || !widget->isEnabled() || !rowOfControl(id, table, row))
                    continue;
                if (table != DefinitionTable::String && qobject_cast<QLineEdit*>(widget)->isReadOnly())
                    continue;
                const QString text =
                    table == DefinitionTable::String ? textFor(row) : acceptedText(page, row);
                if (text.isEmpty()) continue;
                const std::string what = std::string(tabTitle(tab)) + " / " +
                                         definitionTable(table)[static_cast<std::size_t>(row)].label;
                typeChecked(widget, text, what);
                ++swept;
                pressTab(widget);
                EXPECT_TRUE(boxes().boxes.empty()) << what << " left: " << boxes().boxes.front().text;
                boxes().clear();
            }
        }
    }

    int swept = 0;
};

TEST_F(TypingTest, EveryEditOfEveryTabTakesTheKeysAsTyped) {
    // The fullest forms: a Petrel with power select and encryption, every
    // switch and pattern on; then the network transceiver.
    ParameterRecord& r = record();
    r.general(GeneralRow::XmitterEnblType) = 2;
    r.general(GeneralRow::XmitEncryption) = 1;
    r.general(GeneralRow::TimeEncode) = 1;
    r.general(GeneralRow::BeaconType) = 2;
    r.general(GeneralRow::VHFBeaconEnabled) = 1;
    r.general(GeneralRow::SWSEnabled) = 1;
    r.general(GeneralRow::DataCollMode) = 1;
    r.general(GeneralRow::PttIdCode) = 40000;
    window().workflow().screen.showRecord();
    for (const Tab tab : {Tab::GpsParms, Tab::Misc, Tab::Transmitter, Tab::DataColl, Tab::Schedule,
                          Tab::Beacon, Tab::FactParms})
        sweepTab(tab);
    record().general(GeneralRow::XmitterEnblType) = 3;
    record().general(GeneralRow::NetHoldoffEnabled) = 1;
    window().workflow().screen.showRecord();
    sweepTab(Tab::Transmitter);
    EXPECT_GT(swept, 60);
    typeChecked(window().customerEdit(), "Acme Field Co", "Customer");
    typeChecked(window().notesEdit(), "Collar 7, north ridge", "Notes");
}

TEST_F(TypingTest, ASeedAboveItsMaximumIsCorrectedOnceWhenTheFieldIsLeft) {
    QWidget* seed = showSeedField();
    typeChecked(seed, "70000", "PNEncode Seed Value");  // above 65535: nothing said while typing
    pressTab(seed);
    ASSERT_EQ(boxes().boxes.size(), 1u);
    EXPECT_EQ(boxes().boxes.front().text.rfind("'70000.0000' in field 'PNEncode Seed Value' was modified to "
                                               "'65535.0000'",
                                               0),
              0u);
    EXPECT_EQ(record().general(GeneralRow::PNSeedValue), 65535);
    EXPECT_EQ(editText(seed), "65535");
    // A value within range is stored as it is typed.
    typeChecked(seed, "4321", "PNEncode Seed Value");
    EXPECT_EQ(record().general(GeneralRow::PNSeedValue), 4321);
}

// Enter reads the field that has the focus, as leaving it does: the binder
// hands over the row of the focused edit, a general row or a season row of a
// Schedule panel alike.
TEST_F(TypingTest, EnterReadsTheFocusedFieldOfTheShownTab) {
    QWidget* seed = showSeedField();
    typeChecked(seed, "70000", "PNEncode Seed Value");
    QTest::keyClick(seed, Qt::Key_Return);
    EXPECT_EQ(record().general(GeneralRow::PNSeedValue), 65535);
    EXPECT_EQ(editText(seed), "65535");
    EXPECT_EQ(boxes().boxes.size(), 1u);
    boxes().clear();

    showTab(Tab::Schedule);
    const auto& hoursRow = seasonDefinitions()[SeasonRow::GpsNumHours_1];
    QWidget* hours = control(hoursRow.page, hoursRow.controlId);
    ASSERT_NE(hours, nullptr);
    typeChecked(hours, "40000", hoursRow.label);
    QTest::keyClick(hours, Qt::Key_Return);
    EXPECT_EQ(record().season(record().currentSeason(), SeasonRow::GpsNumHours_1), 30000);
    EXPECT_EQ(editText(hours), "30000");
}

TEST_F(TypingTest, TheHexIdAfterALargePttIdIsTypedOverAndALongOneIsRefused) {
    record().general(GeneralRow::XmitterEnblType) = 1;
    window().workflow().screen.showRecord();
    showTab(Tab::Transmitter);
    QWidget* pttId = generalEdit(GeneralRow::PttIdCode);
    QWidget* hex = textEdit(StringRow::IDHexValue);
    typeChecked(pttId, "40000", "PTT ID code");
    pressTab(pttId);
    ASSERT_TRUE(waitUntil([&] { return hex->hasFocus(); }, std::chrono::seconds(2)));
    auto* hexEdit = qobject_cast<QLineEdit*>(hex);
    EXPECT_EQ(hexEdit->text(), "0");
    EXPECT_EQ(hexEdit->selectedText(), "0") << "what the program put there is typed over";
    typeKeys(hex, "01C3A5");
    EXPECT_EQ(hexEdit->text(), "01C3A5");
    pressTab(hex);
    EXPECT_EQ(record().general(GeneralRow::ExtensionAndProtectionCode), 0xA5);
    EXPECT_EQ(record().general(GeneralRow::RootIDCode), 0x01C3 >> 6);

    // Nine digits are more than the ID holds: refused with the page's message, nothing decoded.
    boxes().clear();
    clickInto(hex);
    selectAllKeys(hex);
    typeKeys(hex, "1FF01C3A5");
    pressTab(hex);
    ASSERT_EQ(boxes().boxes.size(), 1u);
    EXPECT_EQ(boxes().boxes.front().text.rfind("'1FF01C3A5' is not a PTT ID hex value.", 0), 0u);
    EXPECT_EQ(record().general(GeneralRow::ExtensionAndProtectionCode), 0xA5);
    EXPECT_EQ(record().general(GeneralRow::RootIDCode), 0x01C3 >> 6);
}

TEST_F(TypingTest, KeysBeyondANotesLimitAreRefusedWhereTheyAreTyped) {
    showTab(Tab::FactParms);
    auto* notes = qobject_cast<QPlainTextEdit*>(textEdit(StringRow::SSTNotes));
    ASSERT_NE(notes, nullptr);
    const QString full = QString(111, 'a') + QString(113, 'b');  // 224, the limit
    typeChecked(notes, full, "SST Notes");
    // One more key in the middle: refused there, the end of the notes kept.
    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(111);
    notes->setTextCursor(cursor);
    typeKeys(notes, "X");
    EXPECT_EQ(notes->toPlainText(), full);
    EXPECT_EQ(notes->textCursor().position(), 111);
    ASSERT_EQ(boxes().boxes.size(), 1u);
    EXPECT_EQ(boxes().boxes.front().text, "The Notes field can only hold 224 characters.");
    EXPECT_EQ(record().text(StringRow::SSTNotes), full.toStdString());
}

}  // namespace
}  // namespace orv::test
