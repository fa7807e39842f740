// Both reports printed as a user's print goes: through a CUPS queue whose
// backend writes PDF, read back with pdftotext; and what a missing queue or a
// stopped server gives, in the library and in orvctl.

#include <gtest/gtest.h>

#include "cups_server.h"
#include "cups_test_server.h"
#include "print_support.h"
#include "reports/print_dialog.h"
#include "reports/reports_messages.h"
#include "scripted_presenter.h"

namespace orv::test {
namespace {

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = CupsTestServer::missing(); !why.empty())
            GTEST_SKIP() << "No print server for this test: " << why;
        server = std::make_unique<CupsTestServer>();
        const std::string failed = server->start();
        ASSERT_EQ(failed, "") << server->log();
    }
    void TearDown() override { server.reset(); }

    std::string orvctl(const std::vector<std::string>& args, int& status) {
        const ProcessResult result = runOrvctl(args, folder.path().string());
        status = result.status;
        return result.err;
    }

    std::unique_ptr<CupsTestServer> server;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    CupsPrinterCatalog catalog;
    TempDir folder;
};

TEST_F(CupsPrint, TheServerListsItsQueueWithItsDeviceAndDefault) {
    const auto printers = catalog.printers();
    ASSERT_TRUE(printers.has_value());
    ASSERT_EQ(printers->size(), 1u);
    EXPECT_EQ(printerEntry(printers->front()), server->queue + " on cups-pdf:/" + server->queue);

    PrintDialogController dialog(catalog, log);
    dialog.open("", false);
    ASSERT_EQ(dialog.entries.size(), 1u);
    EXPECT_EQ(dialog.selected, 0);
    const ReportJob job = dialog.ok();
    EXPECT_EQ(job.device, server->queue);
    EXPECT_EQ(job.port, "cups-pdf:/" + server->queue);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(CupsPrint, TheProgrammingReportComesOutOfTheQueue) {
    PageReportPrinter printer(catalog, log);
    ReportJob job;
    job.device = server->queue;
    job.kind = ProgrammingReport;
    job.title = "DEVICE PROGRAMMING REPORT";
    job.record = argosRecord(40000);
    job.record.general(GeneralRow::VHFBeaconEnabled) = 0;
    ASSERT_EQ(printer.print(job), 0) << (presenter.count() ? presenter.last().text : "");

    const std::string pdf = server->waitForPdf();
    ASSERT_NE(pdf, "") << server->log();
    EXPECT_NE(pdf.find("GPS_Software_Parameter_Report"), std::string::npos) << "the job's name: " << pdf;
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("* * Halvorn, Inc. Software Programming Report * *"), std::string::npos) << text;
    EXPECT_NE(text.find("-- DEVICE PROGRAMMING REPORT --"), std::string::npos);
    EXPECT_NE(text.find("CTN-4711"), std::string::npos);
    EXPECT_NE(text.find("ARGOS PTT Parameters:"), std::string::npos);
    EXPECT_NE(text.find("PTT Root ID Code:"), std::string::npos);
    EXPECT_NE(text.find("Beacon Disabled"), std::string::npos);
    EXPECT_EQ(text.find("Spread Spectrum Parameters:"), std::string::npos);
}

TEST_F(CupsPrint, TheSimulationReportComesOutOfTheQueue) {
    PageReportPrinter printer(catalog, log);
    ReportJob job;
    job.device = server->queue;
    job.kind = SimulationReport;
    job.record = spreadSpectrumRecord();
    job.simulation = simulationOf(job.record);
    ASSERT_EQ(printer.print(job), 0);
    const std::string pdf = server->waitForPdf();
    ASSERT_NE(pdf, "") << server->log();
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("* * Halvorn, Inc. Schedule Simulation Report * *"), std::string::npos) << text;
    EXPECT_NE(text.find("J-2026-08"), std::string::npos);
    EXPECT_NE(text.find("GPS Fixes"), std::string::npos);
    EXPECT_NE(text.find("Transmitter"), std::string::npos);
}

TEST_F(CupsPrint, AnUnknownQueueOrAStoppedServerGetsTheDialogsMessage) {
    PageReportPrinter printer(catalog, log);
    ReportJob job;
    job.device = "NoSuchQueue";
    job.record = defaultRecord();
    EXPECT_EQ(printer.print(job), 1);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text, kPrintServerMessage);

    server->stop();
    EXPECT_FALSE(catalog.printers().has_value());
    presenter.clear();
    PrintDialogController dialog(catalog, log);
    dialog.open("", false);
    EXPECT_TRUE(dialog.entries.empty());
    EXPECT_EQ(dialog.selected, -1);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text, "Was unable to talk to the print servers.");
    EXPECT_TRUE(dialog.canPrint()) << "with no server the dialog starts on Save as PDF";
    dialog.setPrintToFile(true);
    EXPECT_TRUE(dialog.canPrint()) << "a file needs no server";
}

TEST_F(CupsPrint, OrvctlPrintsToTheQueueAndRefusesUnknownOnes) {
    int status = -1;
    std::string err = orvctl({"print", "--report", "spr", "--printer", server->queue, "--title", "CHECK",
                              "--raw", "XmitterEnblType=3", "--raw", "XmitnsEnabled=1"},
                             status);
    EXPECT_EQ(status, 0) << err;
    const std::string pdf = server->waitForPdf();
    ASSERT_NE(pdf, "") << server->log();
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Spread Spectrum Parameters:"), std::string::npos) << text;
    EXPECT_NE(text.find("-- CHECK --"), std::string::npos);

    err = orvctl({"print", "--report", "simulation", "--printer", "NoSuchQueue"}, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("Error: Was unable to talk to the print servers."), std::string::npos) << err;

    server->stop();
    err = orvctl({"print", "--report", "spr", "--printer", server->queue}, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("Error: Was unable to talk to the print servers."), std::string::npos) << err;
}

TEST(OrvctlPrint, WritesEitherReportAsPdfAndChecksItsOptions) {
    TempDir folder;
    ProcessResult result = runOrvctl({"print", "--report", "simulation", "--start", "2026-03-01", "-o",
                                      "sim.pdf", "--raw", "XmitnsEnabled=1"},
                                     folder.path().string());
    ASSERT_EQ(result.status, 0) << result.err;
    std::string text = pdfText(folder.file("sim.pdf"));
    EXPECT_NE(text.find("Schedule Simulation Report"), std::string::npos) << text;
    EXPECT_NE(text.find("Mar 2026"), std::string::npos) << "the chart opens on the start date";
    EXPECT_NE(text.find("Usable capacity:"), std::string::npos) << "the run's budget under the charts";
    // The charts carry the battery line, as the Simulation tab has it by default; switched off, none.
    TempDir on;
    std::vector<QImage> pages = pdfPages(folder.file("sim.pdf"), on, 150);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_FALSE(batteryRedRows(pages[0]).empty());
    result = runOrvctl({"print", "--report", "simulation", "--start", "2026-03-01", "-o", "plain.pdf",
                        "--raw", "XmitnsEnabled=1", "--no-battery-line"},
                       folder.path().string());
    ASSERT_EQ(result.status, 0) << result.err;
    TempDir off;
    pages = pdfPages(folder.file("plain.pdf"), off, 150);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(batteryRedRows(pages[0]).empty());

    result = runOrvctl({"print", "--report", "spr", "-o", "spr.pdf"}, folder.path().string());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(pdfText(folder.file("spr.pdf")).find("Software Programming Report"), std::string::npos);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"print", "--report", "spr"},
             {"print", "--report", "memo", "-o", "x.pdf"},
             {"print", "--report", "spr", "-o", "x.pdf", "--printer", "Q"},
             {"print", "--report", "simulation", "--start", "2026-02-30", "-o", "x.pdf"}}) {
        result = runOrvctl(bad, folder.path().string());
        EXPECT_EQ(result.status, 2) << bad[2] << " " << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.pdf")));
}

}  // namespace
}  // namespace orv::test
