// The Qt field binder: the widgets it makes for each kind of row, and a script
// of user actions that must end in the same record, markers and messages on
// bound Qt widgets as on the in-memory pages orvctl and the core tests use.
// The binder hands every action to a page handler registry with no page's
// handlers in it: the common handling of each kind of row.

#include "field_binder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <map>
#include <memory>

#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "binding/page_fields.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "model/access.h"
#include "model/lists.h"
#include "model/value_kind.h"
#include "scripted_presenter.h"
#include "tabs/tab_factory.h"
#include "tabs/tab_page.h"
#include "widgets/up_down_control.h"

namespace orv {
namespace {

constexpr Page kScriptPages[] = {Page::GpsParms, Page::Transmitter,      Page::FactParms,
                                 Page::Schedule, Page::ScheduleGpsPanel, Page::ScheduleTransmitterPanel};

// Pages of real widgets, every row of each bound by its own binder.
class BoundPages : public PageSet {
public:
    struct Bound {
        std::unique_ptr<QWidget> root = std::make_unique<QWidget>();
        std::unique_ptr<FieldBinder> binder;
    };

    FieldBinder& bindAll(Page page, const BinderContext& context) {
        Bound& bound = pages[page];
        bound.binder = std::make_unique<FieldBinder>(page, bound.root.get(), context);
        const auto rows = definitionTable(bound.binder->table());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].page == page) bound.binder->row(static_cast<int>(row));
        }
        const auto texts = stringDefinitions();
        for (std::size_t row = 0; row < texts.size(); ++row) {
            if (texts[row].page == page) bound.binder->text(static_cast<int>(row));
        }
        return *bound.binder;
    }
    FieldBinder& binder(Page page) { return *pages.at(page).binder; }

    FieldControls* controls(Page page) override {
        const auto found = pages.find(page);
        return found == pages.end() ? nullptr : &found->second.binder->controls();
    }
    std::string windowTitle() const override { return title; }
    void setWindowTitle(const std::string& text) override { title = text; }
    bool allTabPagesExist() const override { return true; }

    std::string title = "Orv";

private:
    std::map<Page, Bound> pages;
};

enum class Act { Edit, Leave, Choose, Tick, Spin, ShowAll };

struct Step {
    Act act;
    Page page = Page::Main;
    DefinitionTable table = DefinitionTable::General;
    int row = 0;
    std::string text;
    int number = 0;
};

const ParameterDefinition& definitionOf(const Step& step) {
    return definitionTable(step.table)[static_cast<std::size_t>(step.row)];
}

Step edit(Page page, int row, const char* text, DefinitionTable table = DefinitionTable::General) {
    return {Act::Edit, page, table, row, text, 0};
}
Step leave(Page page, int row, DefinitionTable table = DefinitionTable::General) {
    return {Act::Leave, page, table, row, "", 0};
}
Step choose(Page page, int row, int index, DefinitionTable table = DefinitionTable::General) {
    return {Act::Choose, page, table, row, "", index};
}
Step tick(Page page, int row, DefinitionTable table = DefinitionTable::General) {
    return {Act::Tick, page, table, row, "", 0};
}
Step spin(Page page, int row, int delta, DefinitionTable table = DefinitionTable::General) {
    return {Act::Spin, page, table, row, "", delta};
}

// The registry the binders of a test hand their rows to.
struct Registry {
    Registry(ParameterRecord& record, FieldConverter& converter, PageSet& pages, MessageLog& log)
        : context{record, converter, pages, log, host, registry} {}
    BinderContext binderContext(FieldConverter& converter, std::function<bool()> acceptsInput = {}) {
        return {&converter, std::move(acceptsInput),
                [this](const RowEdit& edit) { (void)registry.edited(context, edit); }};
    }
    HeadlessPageHost host{{"Erin", kEngineerLevel, kMaskEngineer}};
    PageHandlerRegistry registry;
    PageContext context;
};

// One side of the comparison: a record, its converter and the pages it works on.
struct Side {
    ParameterRecord record;
    test::ScriptedPresenter boxes;
    MessageLog log{&boxes};

    void start(FieldConverter& converter, PageSet& pages) {
        resetRecord(record);
        showAllPageFields(converter, pages, record);
        converter.clearChanges();
        boxes.clear();
    }
};

struct QtSide : Side {
    BoundPages pages;
    FieldConverter converter{record, log, pages};
    Registry registry{record, converter, pages, log};

    QtSide() {
        for (const Page page : kScriptPages) pages.bindAll(page, registry.binderContext(converter));
        start(converter, pages);
    }

    QWidget* widget(const Step& step, int id) { return pages.binder(step.page).controls().widget(id); }
    void leaveWidget(QWidget* edit) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }

    void run(const Step& step) {
        const ParameterDefinition& definition = definitionOf(step);
        switch (step.act) {
            case Act::Edit:
                qobject_cast<QLineEdit*>(widget(step, definition.controlId))
                    ->setText(QString::fromStdString(step.text));
                leaveWidget(widget(step, definition.controlId));
                break;
            case Act::Leave:
                leaveWidget(widget(step, definition.controlId));
                break;
            case Act::Choose: {
                auto* combo = qobject_cast<QComboBox*>(widget(step, definition.controlId));
                combo->setCurrentIndex(step.number);
                Q_EMIT combo->activated(step.number);
                break;
            }
            case Act::Tick:
                qobject_cast<QAbstractButton*>(widget(step, definition.controlId))->click();
                break;
            case Act::Spin:
                qobject_cast<UpDownControl*>(widget(step, definition.spinId))->step(step.number);
                break;
            case Act::ShowAll:
                showAllPageFields(converter, pages, record);
                break;
        }
    }
};

struct MemorySide : Side {
    MemoryPageSet pages;
    FieldConverter converter{record, log, pages};

    MemorySide() {
        pages.title = "Orv";
        for (const Page page : kScriptPages) pages.addPage(page);
        start(converter, pages);
    }

    void take(const Step& step) {
        if (step.table == DefinitionTable::String) {
            converter.storeText(record.text(step.row),
                                pages.page(step.page)->text(definitionOf(step).controlId), step.page,
                                step.row);
        } else {
            converter.fieldEdited(step.page, step.row);
        }
    }

    void run(const Step& step) {
        MemoryFieldControls* controls = pages.page(step.page);
        const ParameterDefinition& definition = definitionOf(step);
        switch (step.act) {
            case Act::Edit:
                controls->setText(definition.controlId, step.text);
                take(step);
                break;
            case Act::Leave:
                take(step);
                break;
            case Act::Choose:
                controls->setComboSelection(definition.controlId, step.number);
                take(step);
                break;
            case Act::Tick:
                controls->setCheckState(definition.controlId, !controls->checkState(definition.controlId));
                take(step);
                break;
            case Act::Spin:  // the stepped value is read at once, as the edit left
                converter.stepSpin(step.page, definition.spinId, step.number);
                take(step);
                break;
            case Act::ShowAll:
                showAllPageFields(converter, pages, record);
                break;
        }
    }
};

std::vector<std::string> boxTexts(const test::ScriptedPresenter& presenter) {
    std::vector<std::string> texts;
    for (const test::ShownBox& box : presenter.boxes) texts.push_back(box.text);
    return texts;
}

TEST(FieldBinderParity, OneScriptEndsInTheSameRecordMarkersAndMessagesOnWidgetsAsInMemory) {
    const DefinitionTable season = DefinitionTable::Season;
    const std::vector<Step> script = {
        edit(Page::GpsParms, GeneralRow::ElevAngle, "10.3"),        // rounded to the step, warned
        edit(Page::GpsParms, GeneralRow::AlmanacTimeout, "13:02"),  // 782 s becomes 780
        spin(Page::GpsParms, GeneralRow::FixTimeout, 1),
        spin(Page::GpsParms, GeneralRow::FixTimeout, 1),
        leave(Page::GpsParms, GeneralRow::FixTimeout),       // the stepped text, stored at the step
        edit(Page::GpsParms, GeneralRow::FixTimeout, "90"),  // no colon: the information box
        choose(Page::GpsParms, GeneralRow::Dynamics, 2),
        tick(Page::Transmitter, GeneralRow::XmitnsEnabled),
        edit(Page::Transmitter, GeneralRow::SpecifiedPTTFreq, "401.6312"),
        edit(Page::Transmitter, GeneralRow::MaxDataXmissions, "no limit"),
        edit(Page::Transmitter, StringRow::IDHexValue, "ABC", DefinitionTable::String),
        choose(Page::FactParms, GeneralRow::XmitterEnblType, 1),         // ARGOS transmissions on
        {Act::ShowAll, Page::Main, DefinitionTable::General, 0, "", 0},  // the units list loses "seconds"
        choose(Page::ScheduleGpsPanel, SeasonRow::FixIntervalUnits, 0, season),
        edit(Page::ScheduleGpsPanel, SeasonRow::GpsFixInterval_1, "7", season),
        spin(Page::ScheduleGpsPanel, SeasonRow::GpsFixInterval_2, 1, season),
        leave(Page::ScheduleGpsPanel, SeasonRow::GpsFixInterval_2, season),
        tick(Page::Schedule, SeasonRow::SeasonType, season),
        edit(Page::Schedule, SeasonRow::Season, "2", season),  // stores season 1, shows season 2
        edit(Page::ScheduleGpsPanel, SeasonRow::GpsFixInterval_1, "95", season),
        edit(Page::ScheduleTransmitterPanel, SeasonRow::ArgosStartTime_1, "7:30", season),
        spin(Page::Schedule, SeasonRow::Season, -1, season),
        leave(Page::Schedule, SeasonRow::Season, season),  // back to season 1
    };
    QtSide qt;
    MemorySide memory;
    for (std::size_t i = 0; i < script.size(); ++i) {
        qt.run(script[i]);
        memory.run(script[i]);
        ASSERT_EQ(boxTexts(qt.boxes), boxTexts(memory.boxes)) << "after step " << i;
    }

    EXPECT_EQ(qt.record.generalValues, memory.record.generalValues);
    EXPECT_EQ(qt.record.seasonValues, memory.record.seasonValues);
    EXPECT_EQ(qt.record.stringValues, memory.record.stringValues);
    EXPECT_EQ(qt.record.generalChanged, memory.record.generalChanged);
    EXPECT_EQ(qt.record.seasonChanged, memory.record.seasonChanged);
    EXPECT_EQ(qt.record.stringChanged, memory.record.stringChanged);
    EXPECT_TRUE(qt.record.recordDirty);
    EXPECT_EQ(qt.pages.title, "Orv *");
    EXPECT_EQ(memory.pages.title, "Orv *");
    // What the script did, so that the comparison compares something.
    EXPECT_EQ(qt.record.general(GeneralRow::ElevAngle), 10.5);
    EXPECT_EQ(qt.record.general(GeneralRow::SpecifiedPTTFreq), 401631000);
    EXPECT_EQ(qt.record.season(1, SeasonRow::GpsFixInterval_1), 10);
    EXPECT_EQ(qt.record.season(2, SeasonRow::GpsFixInterval_1), 120);
    EXPECT_EQ(qt.record.currentSeason(), 1);
    EXPECT_GE(qt.boxes.count(), 6u);

    // Every label and value the pages show reads the same.
    for (const Page page : kScriptPages) {
        FieldControls& shown = qt.pages.binder(page).controls();
        MemoryFieldControls& held = *memory.pages.page(page);
        for (const DefinitionTable table : {qt.pages.binder(page).table(), DefinitionTable::String}) {
            const auto rows = definitionTable(table);
            for (std::size_t row = 0; row < rows.size(); ++row) {
                if (rows[row].page != page) continue;
                EXPECT_EQ(shown.text(rows[row].labelId), held.text(rows[row].labelId)) << rows[row].label;
                // (An in-memory combo holds no text of its own: its selection is compared.)
                if (!isComboKind(rows[row].kind) || table == DefinitionTable::String) {
                    EXPECT_EQ(shown.text(rows[row].controlId), held.text(rows[row].controlId))
                        << rows[row].label;
                }
                EXPECT_EQ(shown.comboSelection(rows[row].controlId), held.comboSelection(rows[row].controlId))
                    << rows[row].label;
                EXPECT_EQ(shown.checkState(rows[row].controlId), held.checkState(rows[row].controlId))
                    << rows[row].label;
            }
        }
    }
    EXPECT_EQ(
        qt.pages.binder(Page::GpsParms).controls().text(generalDefinitions()[GeneralRow::ElevAngle].labelId),
        std::string(kLabelMarker) + generalDefinitions()[GeneralRow::ElevAngle].label);
}

class FieldBinderTest : public ::testing::Test {
protected:
    ParameterRecord record;
    test::ScriptedPresenter boxes;
    MessageLog log{&boxes};
    BoundPages pages;
    FieldConverter converter{record, log, pages};
    Registry registry{record, converter, pages, log};
    bool input = true;

    void SetUp() override { resetRecord(record); }
    BinderContext context() {
        return registry.binderContext(converter, [this] { return input; });
    }
};

TEST_F(FieldBinderTest, EachKindOfRowGetsItsWidgetsWithTheIdsOfItsDefinition) {
    QWidget root;
    FieldBinder binder(Page::GpsParms, &root, context());
    EXPECT_EQ(binder.table(), DefinitionTable::General);

    const ParameterDefinition& dimension = generalDefinitions()[GeneralRow::Dimension];
    const BoundRow list = binder.row(GeneralRow::Dimension);
    auto* combo = qobject_cast<QComboBox*>(list.value);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), static_cast<int>(fixDimensionList().size()));
    EXPECT_EQ(combo->itemText(0).toStdString(), fixDimensionList()[0]);
    EXPECT_EQ(list.spin, nullptr);
    EXPECT_EQ(list.label->text().toStdString(), dimension.label);
    EXPECT_EQ(QtFieldControls::idOf(combo), dimension.controlId);
    EXPECT_EQ(QtFieldControls::idOf(list.label), dimension.labelId);

    const ParameterDefinition& elevation = generalDefinitions()[GeneralRow::ElevAngle];
    const BoundRow number = binder.row(GeneralRow::ElevAngle, {"Elevation:", "deg"});
    EXPECT_NE(qobject_cast<QLineEdit*>(number.value), nullptr);
    ASSERT_NE(number.spin, nullptr);
    EXPECT_EQ(QtFieldControls::idOf(number.spin), elevation.spinId);
    EXPECT_EQ(number.label->text(), "Elevation:");
    ASSERT_NE(number.extra, nullptr);
    EXPECT_EQ(QtFieldControls::idOf(number.extra), elevation.extraId);
    EXPECT_EQ(binder.row(GeneralRow::PdopMask).extra, nullptr);  // no extra text asked for

    // Widgets a form made are adopted: they take the ids and report as made ones do.
    auto* ownBox = new QCheckBox("Diff.", &root);
    const BoundRow adopted = binder.adopt(GeneralRow::DiffCorrection, ownBox);
    EXPECT_EQ(adopted.value, ownBox);
    EXPECT_NE(adopted.label, nullptr);
    EXPECT_EQ(QtFieldControls::idOf(ownBox), generalDefinitions()[GeneralRow::DiffCorrection].controlId);

    auto* button = new QWidget(&root);
    binder.control(ControlRow::GetDefaults, button);
    EXPECT_EQ(QtFieldControls::idOf(button), controlDefinitions()[ControlRow::GetDefaults].controlId);
    EXPECT_TRUE(binder.controls().hasControl(elevation.spinId));
    EXPECT_EQ(binder.row(-1).value, nullptr);
    EXPECT_EQ(binder.row(kGeneralCount).value, nullptr);
}

TEST_F(FieldBinderTest, UserActionsReachTheRegistryOnlyWhileTheWindowTakesInput) {
    FieldBinder& binder = pages.bindAll(Page::GpsParms, context());
    std::vector<int> edited;
    binder.onEdited([&](DefinitionTable table, int row) {
        EXPECT_EQ(table, DefinitionTable::General);
        edited.push_back(row);
    });
    showPageFields(Page::GpsParms, converter, pages, record);
    auto* elevation = qobject_cast<QLineEdit*>(
        binder.controls().widget(generalDefinitions()[GeneralRow::ElevAngle].controlId));
    ASSERT_NE(elevation, nullptr);

    input = false;
    elevation->setText("95");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(elevation, &out);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 10);
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(boxes.count(), 0u);

    // Opening a list is not leaving the field.
    input = true;
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(elevation, &popup);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 10);

    QCoreApplication::sendEvent(elevation, &out);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 90);
    EXPECT_EQ(elevation->text(), "90.0");
    EXPECT_EQ(edited, std::vector<int>{GeneralRow::ElevAngle});
    EXPECT_TRUE(record.generalChanged[GeneralRow::ElevAngle]);
}

TEST_F(FieldBinderTest, ShowingAPageRefillsListsThatDependOnOtherValues) {
    FieldBinder& panel = pages.bindAll(Page::ScheduleGpsPanel, context());
    EXPECT_EQ(panel.table(), DefinitionTable::Season);
    auto* units = qobject_cast<QComboBox*>(
        panel.controls().widget(seasonDefinitions()[SeasonRow::FixIntervalUnits].controlId));
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->count(), 4);
    EXPECT_EQ(units->itemText(0), "seconds");

    record.general(GeneralRow::XmitterEnblType) = 1;  // ARGOS transmissions on
    showPageFields(Page::ScheduleGpsPanel, converter, pages, record);
    ASSERT_EQ(units->count(), 3);
    EXPECT_EQ(units->itemText(0), "minutes");
    EXPECT_EQ(units->currentText(), "minutes");  // the default units, 1
    EXPECT_EQ(record.season(1, SeasonRow::FixIntervalUnits), 1);
}

TEST(TabPageTest, APageOffersTheControlsOfTheFormsItBindsAndNoneElse) {
    const auto page = createTabPage(Tab::Misc, {});
    EXPECT_EQ(page->tab(), Tab::Misc);
    EXPECT_EQ(page->controls(Page::Misc), nullptr);  // binds nothing yet

    class TwoForms : public TabPage {
    public:
        TwoForms() : TabPage(Tab::Transmitter, {}) {
            bind(Page::Transmitter).row(GeneralRow::PttIdCode);
            bind(Page::TransmitterNetwork, &network);
        }
        QWidget network{this};
    } transmitter;
    FieldControls* argos = transmitter.controls(Page::Transmitter);
    ASSERT_NE(argos, nullptr);
    EXPECT_TRUE(argos->hasControl(generalDefinitions()[GeneralRow::PttIdCode].controlId));
    EXPECT_NE(transmitter.controls(Page::TransmitterNetwork), nullptr);
    EXPECT_NE(transmitter.controls(Page::TransmitterNetwork), argos);
    EXPECT_EQ(transmitter.controls(Page::Beacon), nullptr);
}

}  // namespace
}  // namespace orv
