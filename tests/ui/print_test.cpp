// The Print dialog and the report thread in the window: the dialog's enabling
// rules on real widgets, the server's message, the report preselected on the
// Simulation tab, the file choices, the simulation run first, the question
// after programming, and a print through a real CUPS queue.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>

#include "cups_test_server.h"
#include "dialogs/print_dialog.h"
#include "report_service.h"
#include "reports/print_dialog.h"
#include "reports/spr_text.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

struct ListedCatalog : PrinterCatalog {
    std::optional<std::vector<PrinterInfo>> printers() override {
        return std::vector<PrinterInfo>{{"Office", "ipp://office"}, {"Lab on 2", "usb://lab"}};
    }
    std::string defaultPrinter() override { return "Lab on 2"; }
};

TEST(PrintDialogWidgets, TheControlsFollowTheChoices) {
    ListedCatalog catalog;
    ScriptedPresenter presenter;
    MessageLog log(&presenter);
    PrintDialog dialog(catalog, log, "", false);
    EXPECT_EQ(dialog.windowTitle(), "Print");
    ASSERT_EQ(dialog.printerCombo()->count(), 2);
    EXPECT_EQ(dialog.printerCombo()->currentText(), "Lab on 2 on usb://lab");
    EXPECT_TRUE(dialog.sprButton()->isChecked());
    EXPECT_TRUE(dialog.printToFileBox()->isEnabled());

    dialog.printToFileBox()->click();
    EXPECT_FALSE(dialog.printerCombo()->isEnabled());
    EXPECT_FALSE(dialog.printerLabel()->isEnabled());
    EXPECT_EQ(dialog.job().device, kPrintToFileDevice);
    dialog.printToFileBox()->click();
    EXPECT_TRUE(dialog.printerCombo()->isEnabled());
    EXPECT_EQ(dialog.job().device, "Lab");
    EXPECT_EQ(dialog.job().port, "2 on usb://lab");

    dialog.printToFileBox()->click();
    dialog.simulationButton()->click();
    EXPECT_FALSE(dialog.printToFileBox()->isChecked());
    EXPECT_FALSE(dialog.printToFileBox()->isEnabled());
    EXPECT_TRUE(dialog.printerCombo()->isEnabled());
    EXPECT_EQ(dialog.job().kind, SimulationReport);
    dialog.sprButton()->click();
    EXPECT_TRUE(dialog.printToFileBox()->isEnabled());

    dialog.saveAsPdfBox()->click();
    EXPECT_FALSE(dialog.printerCombo()->isEnabled());
    EXPECT_EQ(dialog.job().device, kPrintToPdfDevice);
    dialog.printerCombo()->setCurrentIndex(0);
    EXPECT_EQ(presenter.count(), 0u);
}

class PrintWindowTest : public WindowTest {
protected:
    void SetUp() override {
        // No print server unless a test starts one.
        const char* before = std::getenv("CUPS_SERVER");
        if (before != nullptr) savedServer = before;
        ::setenv("CUPS_SERVER", dir.file("no-server.sock").c_str(), 1);
        answer(kAnswerYes);  // the new database
    }
    void TearDown() override {
        if (app && app->mainWindow()) window().reports().waitIdle();
        WindowTest::TearDown();
        if (savedServer.empty()) {
            ::unsetenv("CUPS_SERVER");
        } else {
            ::setenv("CUPS_SERVER", savedServer.c_str(), 1);
        }
    }

    // Presses Print; the dialog is handled by answer, which says whether it ends with OK.
    void pressPrint(std::function<bool(PrintDialog&)> answer) {
        dialogAnswers.push_back([answer = std::move(answer)](QDialog& dialog) {
            auto* print = dynamic_cast<PrintDialog*>(&dialog);
            return print != nullptr && answer(*print);
        });
        window().button(MainButton::Print)->click();
    }

    void showTab(const QString& title) {
        QTabWidget* tabs = window().tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == title) tabs->setCurrentIndex(i);
        }
    }

    std::string savedServer;
};

TEST_F(PrintWindowTest, WithoutAServerTheDialogSaysSoOnceAndSavesAsPdf) {
    startProgram();
    int listed = -1;
    bool okEnabled = false;
    bool pdfChosen = false;
    pressPrint([&](PrintDialog& dialog) {
        listed = dialog.printerCombo()->count();
        okEnabled = dialog.okButton()->isEnabled();
        pdfChosen = dialog.saveAsPdfBox()->isChecked();
        return false;
    });
    EXPECT_EQ(dialogsRun, std::vector<QString>{"Print"});
    EXPECT_EQ(listed, 0);
    EXPECT_TRUE(pdfChosen);
    EXPECT_TRUE(okEnabled) << "the report still goes to a PDF file";
    EXPECT_EQ(boxes().shown(BoxKind::Error).size(), 1u);
    EXPECT_TRUE(sawText("Was unable to talk to the print servers."));

    // The next dialog of the session says nothing, and OK writes the PDF.
    nextFile = QString::fromStdString(dir.file("report.pdf"));
    pressPrint([&](PrintDialog& dialog) {
        dialog.okButton()->click();
        return dialog.result() == QDialog::Accepted;
    });
    EXPECT_EQ(boxes().shown(BoxKind::Error).size(), 1u);
    waitUntil(
        [&] { return !window().reports().running() && std::filesystem::exists(dir.file("report.pdf")); },
        std::chrono::seconds(30));
    EXPECT_EQ(dir.read("report.pdf").rfind("%PDF", 0), 0u);
}

TEST_F(PrintWindowTest, PrintToFileAsksForTheNameAndCancelWritesNothing) {
    startProgram();
    const std::vector<std::string> before = dir.entries();
    nextFile.clear();
    pressPrint([](PrintDialog& dialog) {
        dialog.printToFileBox()->click();
        return true;
    });
    ASSERT_TRUE(waitUntil([this] { return !window().reports().running(); }, std::chrono::seconds(10)));
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_TRUE(fileRequests[0].filter.contains("Text Files (*.txt)"));
    EXPECT_EQ(dir.entries(), before) << "Cancel writes nothing";

    nextFile = QString::fromStdString(dir.file("report.txt"));
    pressPrint([](PrintDialog& dialog) {
        dialog.printToFileBox()->click();
        return true;
    });
    ASSERT_TRUE(waitUntil([this] { return std::filesystem::exists(dir.file("report.txt")); },
                          std::chrono::seconds(10)));
    window().reports().waitIdle();
    EXPECT_EQ(dir.read("report.txt").rfind("* * * * * Halvorn Inc. Software Programming Report", 0), 0u);
}

TEST_F(PrintWindowTest, TheSimulationTabPreselectsItsReportAndElsewhereTheSimulationRunsFirst) {
    startProgram();
    std::vector<bool> asked;
    window().reports().simulationSource = [&](bool tabShown) {
        asked.push_back(tabShown);
        return std::make_shared<const SimulationSnapshot>();
    };
    bool preselected = true;
    nextFile = QString::fromStdString(dir.file("sim.pdf"));
    pressPrint([&](PrintDialog& dialog) {
        preselected = dialog.simulationButton()->isChecked();
        dialog.simulationButton()->click();
        dialog.saveAsPdfBox()->setChecked(true);  // already chosen without a server
        return true;
    });
    EXPECT_FALSE(preselected);
    ASSERT_EQ(asked, std::vector<bool>{false}) << "not on the Simulation tab: the simulation runs first";
    window().reports().waitIdle();
    EXPECT_TRUE(std::filesystem::exists(dir.file("sim.pdf")));

    showTab("Simulation");
    if (window().tabWidget()->tabText(window().tabWidget()->currentIndex()) != "Simulation")
        GTEST_SKIP() << "the settings file shows no Simulation tab";
    bool fileEnabled = true;
    pressPrint([&](PrintDialog& dialog) {
        preselected = dialog.simulationButton()->isChecked();
        fileEnabled = dialog.printToFileBox()->isEnabled();
        dialog.saveAsPdfBox()->setChecked(true);
        return true;
    });
    EXPECT_TRUE(preselected);
    EXPECT_FALSE(fileEnabled);
    EXPECT_EQ(asked, (std::vector<bool>{false, true}));
}

TEST_F(PrintWindowTest, AwayFromTheSimulationTabTheReportRunsTheScheduleWithItsBudget) {
    startProgram();
    record().general(GeneralRow::GpsFixingEnabled) = 1;
    const auto snapshot = window().reports().simulationSource(false);
    ASSERT_NE(snapshot, nullptr);
    EXPECT_FALSE(snapshot->fixes.empty());
    EXPECT_TRUE(snapshot->gpsEnabled);
    EXPECT_EQ(snapshot->chart.viewStart() % 86400, 0) << "the chart opens on the run's first day";
    EXPECT_GE(static_cast<std::int64_t>(snapshot->fixes.front()), snapshot->chart.viewStart());
    EXPECT_FALSE(snapshot->notes.empty()) << "the budget lines of the run";
}

TEST_F(PrintWindowTest, TheQuestionAfterProgrammingPrintsWithItsTitle) {
    startProgram();
    answer(kAnswerYes);  // "Do you want to print a 'DEVICE PROGRAMMING' SPR Report?"
    nextFile = QString::fromStdString(dir.file("programmed.txt"));
    dialogAnswers.push_back([](QDialog& dialog) {
        auto* print = dynamic_cast<PrintDialog*>(&dialog);
        if (print == nullptr) return false;
        print->printToFileBox()->click();
        return true;
    });
    window().workflow().devices.writeFinished(WriteOutcome{}, WritePlan{});
    EXPECT_TRUE(sawText("Do you want to print a 'DEVICE PROGRAMMING' SPR Report?"));
    ASSERT_TRUE(waitUntil([this] { return std::filesystem::exists(dir.file("programmed.txt")); },
                          std::chrono::seconds(10)));
    window().reports().waitIdle();
    const std::string text = dir.read("programmed.txt");
    EXPECT_NE(text.find("-- DEVICE PROGRAMMING REPORT --"), std::string::npos) << text.substr(0, 200);
}

TEST_F(PrintWindowTest, PrintSprToFileWritesTheArchiveText) {
    startProgram();
    window().reports().printSprToFile(dir.file("GPS_file.spr"), kDeviceProgrammingTitle);
    window().reports().waitIdle();
    const std::string text = dir.read("GPS_file.spr");
    EXPECT_NE(text.find("-- DEVICE PROGRAMMING REPORT -- \r\n"), std::string::npos);
    EXPECT_TRUE(fileRequests.empty()) << "a given name is not asked for";
}

TEST_F(PrintWindowTest, OkSendsTheReportThroughARealQueue) {
    if (const std::string why = CupsTestServer::missing(); !why.empty())
        GTEST_SKIP() << "No print server for this test: " << why;
    CupsTestServer server;
    ASSERT_EQ(server.start(), "") << server.log();
    startProgram();
    record().general(GeneralRow::VHFBeaconEnabled) = 0;
    std::string chosen;
    pressPrint([&](PrintDialog& dialog) {
        chosen = dialog.printerCombo()->currentText().toStdString();
        return true;
    });
    EXPECT_EQ(chosen, server.queue + " on cups-pdf:/" + server.queue);
    window().reports().waitIdle();
    const std::string pdf = server.waitForPdf();
    ASSERT_NE(pdf, "") << server.log();
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Software Programming Report"), std::string::npos) << text;
    EXPECT_NE(text.find("Beacon Disabled"), std::string::npos);
}

}  // namespace
}  // namespace orv::test
