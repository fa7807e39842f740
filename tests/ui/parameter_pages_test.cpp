// The parameter tabs in the window: each shows its page with the record's
// values, a change on one page shows on the pages that depend on it, access
// levels hide and disable what they should, and nothing is cut off.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>

#include "binding/page_context.h"
#include "model/access.h"
#include "pages/page_controls.h"
#include "person.h"
#include "tabs/parameter_tabs.h"
#include "widgets/link_label.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class ParameterPagesTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
    }

    QWidget* widgetOf(Page page, int id) {
        auto* controls = dynamic_cast<QtFieldControls*>(window().pageSet().controls(page));
        EXPECT_NE(controls, nullptr);
        QWidget* found = controls != nullptr ? controls->widget(id) : nullptr;
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }
    QWidget* general(int row) {
        const auto& definition = generalDefinitions()[static_cast<std::size_t>(row)];
        return widgetOf(definition.page, definition.controlId);
    }
    QWidget* text(int row) {
        const auto& definition = stringDefinitions()[static_cast<std::size_t>(row)];
        return widgetOf(definition.page, definition.controlId);
    }
    QString shown(QWidget* widget) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
        return {};
    }
    void showTab(Tab tab) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == tabTitle(tab)) tabs->setCurrentIndex(i);
        }
    }
    void choose(int row, int index) {
        auto* combo = qobject_cast<QComboBox*>(general(row));
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    void type(QWidget* widget, const QString& value) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        ASSERT_NE(edit, nullptr);
        edit->setText(value);
        Q_EMIT edit->textEdited(value);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &out);
    }
    TabPage* page(Tab tab) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == tabTitle(tab)) return dynamic_cast<TabPage*>(tabPageAt(tabs, i));
        }
        return nullptr;
    }
};

TEST_F(ParameterPagesTest, EveryParameterTabShowsTheRecordsValues) {
    EXPECT_EQ(shown(general(GeneralRow::ElevAngle)), "10.0");
    EXPECT_EQ(shown(general(GeneralRow::AlmanacTimeout)), "13:00");
    EXPECT_EQ(shown(text(StringRow::FenmodFwVer)).isEmpty(), false);
    EXPECT_EQ(shown(general(GeneralRow::UWThreshold)), "6");
    EXPECT_EQ(shown(general(GeneralRow::PttPriInterval)), "60");
    EXPECT_EQ(shown(general(GeneralRow::SpecifiedPTTFreq)), "401.6500");
    EXPECT_EQ(shown(general(GeneralRow::NetETFTPPort)), "1818");
    EXPECT_EQ(shown(general(GeneralRow::DataCollMode)), "None (Off)");
    EXPECT_EQ(shown(general(GeneralRow::VHFRcnt2)), "80");
    EXPECT_EQ(shown(general(GeneralRow::XmitterEnblType)), "None");
    EXPECT_EQ(shown(widgetOf(Page::Transmitter, PageControl::TransmitterState)), "Transmitter Disabled");
    EXPECT_EQ(shown(widgetOf(Page::GpsParms, PageControl::GpsGroup)), "GPS Fixing Enabled");
    EXPECT_EQ(shown(widgetOf(Page::Misc, PageControl::SaltWaterStatus)), "Salt-Water Switch Disabled");
}

TEST_F(ParameterPagesTest, LeavingEveryTabOfAFreshRecordChangesNothing) {
    for (const auto& [user, mask] :
         {std::pair{"Customer", kMaskCustomer}, std::pair{"Engineer", kMaskEngineer}}) {
        loginAs(user, user, mask);
        window().converter().clearChanges();
        for (const Tab tab : {Tab::GpsParms, Tab::Misc, Tab::Transmitter, Tab::DataColl, Tab::Beacon,
                              Tab::FactParms, Tab::GpsParms})
            showTab(tab);
        window().workflow().screen.collectAllPages();
        EXPECT_FALSE(record().recordDirty) << user;
        EXPECT_FALSE(window().windowTitle().endsWith(" *")) << user;
    }
}

TEST_F(ParameterPagesTest, FirmwareTextsReadUnknownUntilReadAndShowTheSelection) {
    record().text(StringRow::FenmodFwVer).clear();
    window().workflow().screen.showRecord();
    EXPECT_EQ(shown(text(StringRow::FenmodFwVer)), "Unknown");
    EXPECT_EQ(shown(text(StringRow::SigProcFwVer)), "Unknown");
    window().firmwareChosen(0);
    EXPECT_EQ(shown(text(StringRow::FenmodFwVer)).toStdString(), record().text(StringRow::FenmodFwVer));
}

TEST_F(ParameterPagesTest, TransmitterTypeChosenOnFactParmsShowsOnTheTransmitterTab) {
    loginAs("eng", "Engineer", kMaskEngineer);
    showTab(Tab::FactParms);
    choose(GeneralRow::XmitterEnblType, 1);
    EXPECT_EQ(record().general(GeneralRow::XmitnsEnabled), 1);
    showTab(Tab::Transmitter);
    auto* transmitter = dynamic_cast<TransmitterTab*>(page(Tab::Transmitter));
    ASSERT_NE(transmitter, nullptr);
    EXPECT_EQ(transmitter->shownForm(), Page::Transmitter);
    EXPECT_EQ(shown(widgetOf(Page::Transmitter, PageControl::TransmitterState)),
              "Petrel Transmitter Enabled");
    EXPECT_TRUE(general(GeneralRow::PttPriInterval)->isEnabled());

    showTab(Tab::FactParms);
    choose(GeneralRow::XmitterEnblType, 3);
    EXPECT_EQ(record().general(GeneralRow::PttPriInterval), 180);
    showTab(Tab::Transmitter);
    EXPECT_EQ(transmitter->shownForm(), Page::TransmitterNetwork);

    // Typed into the network form, the address is stored in both forms.
    type(text(StringRow::NetIPAddr), "10.20.30.40");
    EXPECT_EQ(record().text(StringRow::NetIPAddr), "010.020.030.040");
    EXPECT_EQ(record().general(GeneralRow::NetworkIPAddressValue), 169090600);
}

TEST_F(ParameterPagesTest, BeaconTypeAndSaltWaterBoxChangeTheirPages) {
    loginAs("eng", "Engineer", kMaskEngineer);
    showTab(Tab::FactParms);
    choose(GeneralRow::BeaconType, 2);
    qobject_cast<QAbstractButton*>(general(GeneralRow::SWSEnabled))->click();
    EXPECT_EQ(record().general(GeneralRow::OOWThreshold), 6);
    showTab(Tab::Beacon);
    EXPECT_TRUE(general(GeneralRow::VHFPW1)->isEnabled());
    EXPECT_EQ(shown(widgetOf(Page::Beacon, PageControl::BeaconStatus)), "Beacon Pulse Patterns Enabled");
    type(text(StringRow::VHFPattern1), "101");
    EXPECT_EQ(record().general(GeneralRow::VHFPatternMap1), 2560);
    EXPECT_EQ(record().general(GeneralRow::VHFPatternMap1Len), 3);
    showTab(Tab::Misc);
    EXPECT_EQ(shown(widgetOf(Page::Misc, PageControl::SaltWaterStatus)), "Salt-Water Switch Enabled");
    EXPECT_TRUE(general(GeneralRow::UWThreshold)->isEnabled());
}

TEST_F(ParameterPagesTest, CustomerSeesNoneOfTheFactoryControlsAnEngineerEditsThem) {
    showTab(Tab::FactParms);
    for (const int row : {GeneralRow::XmitterEnblType, GeneralRow::DiffCorrection, GeneralRow::InstReedSw})
        EXPECT_TRUE(general(row)->isHidden()) << row;
    EXPECT_TRUE(text(StringRow::FactSysCTN)->isHidden());
    const auto factoryButtons = [this] {
        return std::vector<QWidget*>{
            widgetOf(Page::FactParms, controlRowControl(ControlRow::ReadFactoryButton)),
            widgetOf(Page::FactParms, controlRowControl(ControlRow::ProgramFactoryButton))};
    };
    for (QWidget* button : factoryButtons()) EXPECT_TRUE(button->isHidden()) << "an Engineer's buttons";
    // A Coordinator edits the factory fields, but the factory area stays an Engineer's.
    loginAs("coord", "Coordinator", kMaskCoordinator);
    EXPECT_FALSE(text(StringRow::FactSysCTN)->isHidden());
    for (QWidget* button : factoryButtons()) EXPECT_TRUE(button->isHidden());
    // A Customer sees these transmitter fields but may not edit them.
    EXPECT_FALSE(general(GeneralRow::PttStartupHours)->isHidden());
    EXPECT_FALSE(general(GeneralRow::PttStartupHours)->isEnabled());

    loginAs("eng", "Engineer", kMaskEngineer);
    for (const int row : {GeneralRow::XmitterEnblType, GeneralRow::DiffCorrection, GeneralRow::InstReedSw}) {
        EXPECT_FALSE(general(row)->isHidden()) << row;
        EXPECT_TRUE(general(row)->isEnabled()) << row;
    }
    for (QWidget* button : factoryButtons()) {
        EXPECT_FALSE(button->isHidden());
        EXPECT_TRUE(button->isEnabled());
    }
    EXPECT_TRUE(general(GeneralRow::PaPwrLvl)->isHidden());  // no spread-spectrum transceiver
    choose(GeneralRow::XmitterEnblType, 3);
    EXPECT_FALSE(general(GeneralRow::PaPwrLvl)->isHidden());
    EXPECT_FALSE(text(StringRow::MACAddress)->isHidden());
}

TEST_F(ParameterPagesTest, GpsDialogsStoreWhatTheirOkReadsBack) {
    loginAs("eng", "Engineer", kMaskEngineer);
    auto* gps = dynamic_cast<GpsParmsTab*>(page(Tab::GpsParms));
    ASSERT_NE(gps, nullptr);
    dialogAnswers.push_back([this](QDialog&) {
        qobject_cast<QLineEdit*>(general(GeneralRow::BaseStationDistance))->setText("330");
        return true;
    });
    gps->runElevationDialog();
    EXPECT_EQ(record().general(GeneralRow::ElevAngle), 8.5);  // 5 + 3.3 rounded up
    EXPECT_EQ(shown(general(GeneralRow::ElevAngle)), "8.5");

    dialogAnswers.push_back([this](QDialog&) {
        qobject_cast<QLineEdit*>(general(GeneralRow::NumFixRetries))->setText("3");
        return true;
    });
    gps->runAdvancedDialog();
    EXPECT_EQ(dialogsRun.back(), "Advanced Parameters");
    EXPECT_EQ(record().general(GeneralRow::NumFixRetries), 3);
}

TEST_F(ParameterPagesTest, ProgrammingTheFactoryAreaAsksFirst) {
    loginAs("eng", "Engineer", kMaskEngineer);
    showTab(Tab::FactParms);
    answer(kAnswerNo);
    qobject_cast<QAbstractButton*>(
        widgetOf(Page::FactParms, controlRowControl(ControlRow::ProgramFactoryButton)))
        ->click();
    EXPECT_TRUE(sawTextStarting("Programming the device will replace the EEPROM configuration"));
    EXPECT_FALSE(window().operationRunning());
}

TEST_F(ParameterPagesTest, HyperlinkOpensItsTargetAndBeepsWhenItCannot) {
    showTab(Tab::FactParms);
    auto* link = page(Tab::FactParms)->findChild<LinkLabel*>();
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QString opened;
    bool result = false;
    QObject::connect(link, &LinkLabel::opened, [&](bool succeeded) { result = succeeded; });
    link->open = [&](const QString& target) {
        opened = target;
        return false;
    };
    QMouseEvent press(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(link, &press);
    EXPECT_TRUE(opened.endsWith("Orv3.cfg"));
    EXPECT_FALSE(result);
}

TEST_F(ParameterPagesTest, TheNetworkFormShowsTheRecordsAddressesAndLeavingThemIsNoEdit) {
    loginAs("eng", "Engineer", kMaskEngineer);
    window().resize(1100, 860);
    ASSERT_TRUE(bringToFront(window()));
    showTab(Tab::FactParms);
    choose(GeneralRow::XmitterEnblType, 3);  // Spread_Spectrum
    window().converter().clearChanges();
    showTab(Tab::Transmitter);
    QWidget* address = text(StringRow::NetIPAddr);
    QWidget* mask = text(StringRow::IPSubMask);
    ASSERT_TRUE(mask->isVisible());
    EXPECT_EQ(shown(address), "192.168.000.000");
    EXPECT_EQ(shown(mask), "255.255.255.000");
    boxes().clear();
    clickInto(mask);
    clickInto(address);  // the mask is left as it was
    clickInto(general(GeneralRow::NetStartupHrs));
    EXPECT_TRUE(boxes().boxes.empty());
    EXPECT_TRUE(general(GeneralRow::NetStartupHrs)->hasFocus()) << "the click went where it was aimed";
    EXPECT_FALSE(window().windowTitle().endsWith(" *"));
    // A typed address is taken as typed.
    clickInto(mask);
    selectAllKeys(mask);
    typeKeys(mask, "255255000000");
    EXPECT_EQ(shown(mask), "255.255.000.000");
    pressTab(mask);
    EXPECT_EQ(record().general(GeneralRow::IPSubNetMaskValue), 0xFFFF0000u);
    EXPECT_TRUE(boxes().boxes.empty());
}

// Every tab laid out at the window's size: no control reaches beyond its
// page. With ORV_RENDER_DIR set the tabs are also written there as PNGs.
TEST_F(ParameterPagesTest, NoControlIsCutOffOnAnyTab) {
    loginAs("eng", "Engineer", kMaskEngineer);
    window().resize(window().sizeHint().expandedTo(QSize(900, 700)));
    window().show();
    const QString renderDir = qEnvironmentVariable("ORV_RENDER_DIR");
    const auto check = [&](Tab tab, const QString& name) {
        showTab(tab);
        QWidget* tabPage = page(tab);
        ASSERT_NE(tabPage, nullptr);
        QCoreApplication::processEvents();
        const QRect area = tabPage->rect();
        for (QWidget* child : tabPage->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(tabPage) || QtFieldControls::idOf(child) == 0) continue;
            const QRect placed(child->mapTo(tabPage, QPoint(0, 0)), child->size());
            EXPECT_TRUE(area.contains(placed))
                << name.toStdString() << " control " << QtFieldControls::idOf(child);
        }
        if (!renderDir.isEmpty()) window().grab().save(QDir(renderDir).filePath(name + ".png"));
    };
    for (const Tab tab :
         {Tab::GpsParms, Tab::Misc, Tab::Transmitter, Tab::DataColl, Tab::Beacon, Tab::FactParms})
        check(tab, QString(tabTitle(tab)).remove('.').replace(' ', '_'));
    // The fullest forms: the Petrel with power select and encryption, then the network transceiver.
    record().general(GeneralRow::XmitterEnblType) = 2;
    record().general(GeneralRow::XmitEncryption) = 1;
    record().general(GeneralRow::TimeEncode) = 1;
    window().workflow().screen.showRecord();
    check(Tab::Transmitter, "Transmitter_Petrel_PS");
    check(Tab::FactParms, "Fact_Parms_Petrel_PS");
    record().general(GeneralRow::XmitterEnblType) = 3;
    window().workflow().screen.showRecord();
    check(Tab::Transmitter, "Transmitter_network");
    check(Tab::FactParms, "Fact_Parms_network");
}

}  // namespace
}  // namespace orv::test
