// The Print dialog's rules without its widgets: the printer list, the default
// printer, the report choice and what OK hands to the report thread.

#include "reports/print_dialog.h"

#include <gtest/gtest.h>

#include "scripted_presenter.h"

namespace orv {
namespace {

struct FakeCatalog : PrinterCatalog {
    std::optional<std::vector<PrinterInfo>> list;
    std::string preferred;
    std::optional<std::vector<PrinterInfo>> printers() override { return list; }
    std::string defaultPrinter() override { return preferred; }
};

class PrintDialogRules : public ::testing::Test {
protected:
    FakeCatalog catalog;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    PrintDialogController dialog{catalog, log};
};

TEST_F(PrintDialogRules, ListsQueuesWithTheirPortAndSelectsTheDefaultByItsStart) {
    catalog.list =
        std::vector<PrinterInfo>{{"Front", "ipp://front/ipp"}, {"Lab", "usb://Lab"}, {"Lab2", "lpd://x"}};
    catalog.preferred = "Lab";
    dialog.open("", false);
    EXPECT_EQ(dialog.entries,
              (std::vector<std::string>{"Front on ipp://front/ipp", "Lab on usb://Lab", "Lab2 on lpd://x"}));
    EXPECT_EQ(dialog.selected, 1);
    catalog.preferred = "Gone";
    dialog.open("", false);
    EXPECT_EQ(dialog.selected, 0) << "the first when the default is not listed";
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(PrintDialogRules, AnUnreachableServerSaysSoAndListsNothing) {
    catalog.list = std::nullopt;
    dialog.open("", false);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Error);
    EXPECT_EQ(presenter.last().text, "Was unable to talk to the print servers.");
    EXPECT_TRUE(dialog.entries.empty());
    EXPECT_EQ(dialog.selected, -1);
    // Still useful: the report goes to a PDF file, and the text report to a file.
    EXPECT_TRUE(dialog.saveAsPdf);
    EXPECT_FALSE(dialog.printerEnabled);
    EXPECT_TRUE(dialog.canPrint());
    EXPECT_EQ(dialog.ok().device, kPrintToPdfDevice);
    dialog.setPrintToFile(true);
    EXPECT_EQ(dialog.ok().device, kPrintToFileDevice);

    // A server without queues is no failure.
    presenter.clear();
    catalog.list = std::vector<PrinterInfo>{};
    dialog.open("", false);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(PrintDialogRules, AnUnreachableServerIsSaidOnceASession) {
    catalog.list = std::nullopt;
    PrintSession session;
    for (int i = 0; i < 3; ++i) PrintDialogController(catalog, log, &session).open("", false);
    EXPECT_EQ(presenter.count(), 1u);
}

TEST_F(PrintDialogRules, PrinterNamesSplitAtTheFirstOn) {
    const PrinterInfo split = splitPrinterEntry("Carry on Printer on socket://10.0.0.5 on 9100");
    EXPECT_EQ(split.name, "Carry");
    EXPECT_EQ(split.port, "Printer on socket://10.0.0.5 on 9100");
    EXPECT_EQ(splitPrinterEntry("Alone").name, "Alone");
    EXPECT_EQ(splitPrinterEntry("Alone").port, "");

    catalog.list = std::vector<PrinterInfo>{{"Carry on Printer", "ipp://x"}};
    dialog.open("DEVICE PROGRAMMING REPORT", false);
    const ReportJob job = dialog.ok();
    EXPECT_EQ(job.device, "Carry");
    EXPECT_EQ(job.port, "Printer on ipp://x");
    EXPECT_EQ(job.title, "DEVICE PROGRAMMING REPORT");
    EXPECT_EQ(job.kind, ProgrammingReport);
    EXPECT_EQ(job.outputFile, "");
}

TEST_F(PrintDialogRules, ReportAndFileChoicesEnableEachOther) {
    catalog.list = std::vector<PrinterInfo>{{"Q", "ipp://q"}};
    dialog.open("", false);
    EXPECT_EQ(dialog.report, ProgrammingReport);
    EXPECT_TRUE(dialog.printToFileEnabled);
    EXPECT_TRUE(dialog.printerEnabled);

    dialog.setPrintToFile(true);
    EXPECT_FALSE(dialog.printerEnabled);
    EXPECT_EQ(dialog.ok().device, kPrintToFileDevice);
    dialog.setPrintToFile(false);
    EXPECT_TRUE(dialog.printerEnabled);

    dialog.setPrintToFile(true);
    dialog.chooseReport(SimulationReport);
    EXPECT_FALSE(dialog.printToFile) << "the simulation report cannot go to the text file";
    EXPECT_FALSE(dialog.printToFileEnabled);
    EXPECT_TRUE(dialog.printerEnabled);
    dialog.setPrintToFile(true);
    EXPECT_FALSE(dialog.printToFile);
    EXPECT_EQ(dialog.ok().device, "Q");
    EXPECT_EQ(dialog.ok().kind, SimulationReport);
    dialog.chooseReport(ProgrammingReport);
    EXPECT_TRUE(dialog.printToFileEnabled);

    // PDF is a destination for either report, and excludes the text file.
    dialog.setSaveAsPdf(true);
    EXPECT_FALSE(dialog.printerEnabled);
    dialog.setPrintToFile(true);
    EXPECT_FALSE(dialog.saveAsPdf);
    dialog.setSaveAsPdf(true);
    EXPECT_FALSE(dialog.printToFile);
    dialog.chooseReport(SimulationReport);
    EXPECT_EQ(dialog.ok().device, kPrintToPdfDevice);
}

TEST_F(PrintDialogRules, TheCallerCanPreselectTheSimulationReport) {
    catalog.list = std::vector<PrinterInfo>{{"Q", "ipp://q"}};
    dialog.open("", true);
    EXPECT_EQ(dialog.report, SimulationReport);
    EXPECT_FALSE(dialog.printToFile);
    EXPECT_FALSE(dialog.printToFileEnabled);
}

}  // namespace
}  // namespace orv
