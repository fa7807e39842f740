// The Qt implementations of the core's interfaces: message boxes, the profile,
// the page controls.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>

#include "dialogs/progress_window.h"
#include "qt_field_controls.h"
#include "qt_message_presenter.h"
#include "qt_profile.h"
#include "ui_support.h"
#include "widgets/up_down_control.h"

namespace orv {
namespace {

TEST(MessageBoxes, EachKindHasItsIconAndButtons) {
    struct Expected {
        BoxKind kind;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Expected cases[] = {
        {BoxKind::Error, QMessageBox::Critical, QMessageBox::Ok},
        {BoxKind::Warning, QMessageBox::Warning, QMessageBox::Ok},
        {BoxKind::Information, QMessageBox::Information, QMessageBox::Ok},
        {BoxKind::Choice, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
        {BoxKind::YesNoCancel, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    };
    QWidget owner;
    for (const Expected& c : cases) {
        auto box = makeMessageBox(c.kind, "Caption", "<b>100%s</b>", &owner);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);  // user text is never markup
        EXPECT_EQ(box->text(), "<b>100%s</b>");
    }
    // A check's every difference waits behind "Show Details...".
    auto checked = makeMessageBox(BoxKind::Warning, "Warning", "first", &owner, "one\ntwo\n");
    EXPECT_EQ(checked->detailedText(), "one\ntwo\n");
    bool details = false;
    for (QAbstractButton* button : checked->buttons())
        details = details || button->text() == "Show Details...";
    EXPECT_TRUE(details);
    EXPECT_EQ(answerCode(QMessageBox::Yes), kAnswerYes);
    EXPECT_EQ(answerCode(QMessageBox::No), kAnswerNo);
    EXPECT_EQ(answerCode(QMessageBox::Ok), kAnswerOk);
    EXPECT_EQ(answerCode(QMessageBox::Cancel), kAnswerCancel);
}

TEST(MessageBoxes, AMessagesOwnLineBreaksAreItsOnlyOnes) {
    const QString text =
        "IMPORTANT!! After programming, the GPS System must be restarted by applying the\nmagnet to the case "
        "for at least 40 seconds or by disconnecting the power temporarily.\n\nIF THE GPS SYSTEM IS NOT "
        "RESTARTED, NO DATA WILL BE RECORDED!!";
    QWidget owner;
    auto box = makeMessageBox(BoxKind::Warning, "Warning", text, &owner);
    box->show();
    QCoreApplication::processEvents();
    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split('\n')) widest = qMax(widest, metrics.horizontalAdvance(line));
    ASSERT_GT(widest, 500);  // wider than where Qt would wrap on its own
    EXPECT_GE(label->width(), widest);
    // Four lines of text, the blank one included: no line was wrapped.
    EXPECT_LE(label->height(), metrics.lineSpacing() * 4 + metrics.leading() + 4);
    box->close();
}

// Answers in place of the user, noting the thread the box was shown on.
class RecordingPresenter : public QtMessagePresenter {
public:
    std::atomic<QThread*> shownOn{nullptr};
    QString caption;

protected:
    int showBox(BoxKind, const QString& boxCaption, const QString&, const QString&) override {
        shownOn = QThread::currentThread();
        caption = boxCaption;
        return kAnswerNo;
    }
};

TEST(MessageBoxes, AWorkerAskingWaitsForTheAnswerFromTheGuiThread) {
    RecordingPresenter presenter;
    std::atomic<int> answer{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        answer = presenter.present(BoxKind::Choice, "Choice", "Go on?");
        done = true;
    });
    // The GUI thread runs its events until the worker has its answer (counted in
    // time, not in rounds: on a busy machine the worker's request may come late).
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done && std::chrono::steady_clock::now() < end)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    worker.join();
    EXPECT_EQ(answer, kAnswerNo);
    EXPECT_EQ(presenter.shownOn, QThread::currentThread());
    EXPECT_EQ(presenter.caption, "Choice");
    // From the GUI thread itself the box is shown directly.
    presenter.shownOn = nullptr;
    EXPECT_EQ(presenter.present(BoxKind::Error, "Error", "x"), kAnswerNo);
    EXPECT_EQ(presenter.shownOn, QThread::currentThread());
}

TEST(Profile, IntegersAndTextsRoundTripThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.ini");
    {
        QtProfile profile(path);
        EXPECT_EQ(profile.readInt("GpsDial", "Comm Port", 3), 3);
        profile.writeInt("GpsDial", "Comm Port", 1);
        profile.writeInt("Halvorn Orv", "Window Left", -20);
        profile.writeText("GpsDial", "Device 1", "/dev/ttyS0");
        profile.writeText("GpsDial", "Baud Rate", "fast");
    }
    QtProfile again(path);
    EXPECT_EQ(again.readInt("GpsDial", "Comm Port", 3), 1);
    EXPECT_EQ(again.readInt("Halvorn Orv", "Window Left", -1), -20);
    EXPECT_EQ(again.readText("GpsDial", "Device 1", ""), "/dev/ttyS0");
    // A value that is not a number reads as the default.
    EXPECT_EQ(again.readInt("GpsDial", "Baud Rate", 9600), 9600);
}

TEST(PageControls, WidgetsAreFoundByTheirIdAndActedOnByKind) {
    QWidget page;
    auto* edit = new QLineEdit(&page);
    auto* combo = new QComboBox(&page);
    auto* check = new QCheckBox("Flag", &page);
    auto* label = new QLabel("Fix Dimension", &page);
    auto* upDown = new UpDownControl(&page);
    setControlId(edit, 10000);
    setControlId(combo, 10010);
    setControlId(check, 10020);
    setControlId(label, 10002);
    setControlId(upDown, 10001);
    QtFieldControls controls(&page);

    EXPECT_TRUE(controls.hasControl(10000));
    EXPECT_FALSE(controls.hasControl(12345));
    controls.setText(10000, "12:30");
    EXPECT_EQ(controls.text(10000), "12:30");
    EXPECT_EQ(controls.text(12345), "");

    int selectionSignals = 0;
    QObject::connect(combo, &QComboBox::currentIndexChanged, [&] { ++selectionSignals; });
    controls.setComboItems(10010, {"2D", "3D", "Auto"});
    controls.setComboSelection(10010, 2);
    EXPECT_EQ(controls.comboSelection(10010), 2);
    EXPECT_EQ(controls.text(10010), "Auto");
    controls.setComboSelection(10010, 7);  // beyond the list: nothing selected
    EXPECT_EQ(controls.comboSelection(10010), -1);
    EXPECT_EQ(selectionSignals, 0);  // the program's own changes are not user edits

    controls.setCheckState(10020, true);
    EXPECT_TRUE(controls.checkState(10020));
    EXPECT_TRUE(check->isChecked());

    controls.setSpinRange(10001, 0, 14);
    controls.setSpinPosition(10001, 20);
    EXPECT_EQ(controls.spinPosition(10001), 14);

    controls.showControl(10002, false);
    EXPECT_TRUE(label->isHidden());
    controls.enableControl(10000, false);
    EXPECT_FALSE(edit->isEnabled());

    // A control added later is found too.
    auto* late = new QPushButton("Later", &page);
    setControlId(late, 40370);
    EXPECT_EQ(controls.text(40370), "Later");
    EXPECT_EQ(controls.handle(), reinterpret_cast<std::uintptr_t>(&page));
}

TEST(PageControls, AnUpDownStepReportsFirstAndStepsFromWhereTheHandlerLeftIt) {
    UpDownControl upDown;
    upDown.setRange(0, 10);
    upDown.setPosition(5);
    int reportedPosition = -1;
    int reportedDelta = 0;
    QObject::connect(&upDown, &UpDownControl::deltaRequested, [&](int position, int delta) {
        reportedPosition = position;
        reportedDelta = delta;
        upDown.setPosition(8);  // as the converter does to land on a chosen value
    });
    upDown.step(1);
    EXPECT_EQ(reportedPosition, 5);
    EXPECT_EQ(reportedDelta, 1);
    EXPECT_EQ(upDown.position(), 9);
    upDown.step(5);
    EXPECT_EQ(upDown.position(), 10);  // held inside the range
}

TEST(ProgressWindow, TheWorkerDrivesItAndAbortStopsTheOperation) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 800, 600);
    mainWindow.show();
    ProgressWindow window(&mainWindow);
    ProgressSink& sink = window.sink();
    std::thread worker([&] {
        sink.show();
        sink.setCaption("Writing configuration to target");
        sink.setLegend("128 of 744 bytes have been written");
        sink.setPosition(17);
    });
    worker.join();
    EXPECT_FALSE(sink.aborted());
    ASSERT_TRUE(test::waitUntil([&] { return window.position() == 17; }, std::chrono::seconds(5)));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Writing configuration to target");
    EXPECT_EQ(window.legend(), "128 of 744 bytes have been written");
    // Its bottom-right corner sits on the main window's.
    EXPECT_EQ(window.frameGeometry().bottomRight(), mainWindow.frameGeometry().bottomRight());

    window.pressAbort();
    EXPECT_TRUE(sink.aborted());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.legend(), "");
    // Shown again, the flag starts clear.
    sink.show();
    EXPECT_FALSE(sink.aborted());
}

}  // namespace
}  // namespace orv
