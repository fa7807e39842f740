// The printed reports as a reader sees them: the PDF's text (pdftotext) holds
// the lines the record calls for and not the others, and the rendered pages
// (pdftoppm) keep every mark inside the margins.

#include <gtest/gtest.h>

#include <algorithm>

#include "print_support.h"
#include "reports/printed_spr.h"
#include "scripted_presenter.h"

namespace orv::test {
namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PrintedSprPage, HeaderIdentityAndTheTitleTheReportWasAskedWith) {
    const std::string text = reportText(defaultRecord(), ProgrammingReport, "DEVICE PROGRAMMING REPORT");
    EXPECT_TRUE(has(text, "* * Halvorn, Inc. Software Programming Report * *")) << text;
    EXPECT_TRUE(has(text, "Halvorn Orv - Vosk v3.07.0004"));
    EXPECT_TRUE(has(text, "-- DEVICE PROGRAMMING REPORT --"));
    EXPECT_TRUE(has(text, "CTN-4711"));
    EXPECT_TRUE(has(text, "J-2026-08"));
    EXPECT_TRUE(has(text, "Northern Caribou Survey"));
    for (const char* heading :
         {"Firmware Versions:", "Notes:", "GPS Parameters:", "Salt Water Switch Parameters:",
          "VHF Beacon Parameters:", "Auxiliary Parameters:", "Other Notes:", "Hardware Information:",
          "System CTN's:", "Season Parameters:", "GPS Fix Schedule"})
        EXPECT_TRUE(has(text, heading)) << heading;
    EXPECT_FALSE(has(text, "-- COORDINATOR")) << "no other title";
}

TEST(PrintedSprPage, TransmitterGroupsFollowTheEnableType) {
    const std::string spread = reportText(spreadSpectrumRecord());
    EXPECT_TRUE(has(spread, "Spread Spectrum Parameters:"));
    EXPECT_TRUE(has(spread, "Network Holdoff Delay:"));
    EXPECT_TRUE(has(spread, "- **50 ms. per tick"));
    EXPECT_TRUE(has(spread, "This device must be initialized in 2027, otherwise"));
    EXPECT_TRUE(has(spread, "Spread Spectrum Transceiver"));
    EXPECT_FALSE(has(spread, "ARGOS PTT Parameters:"));

    const std::string argos = reportText(argosRecord(100));
    EXPECT_TRUE(has(argos, "ARGOS PTT Parameters:"));
    EXPECT_TRUE(has(argos, "Power Output Level:"));
    EXPECT_TRUE(has(argos, "ARGOS Petrel w/Power Select"));
    EXPECT_TRUE(has(argos, "Argos Schedule"));
    EXPECT_FALSE(has(argos, "Spread Spectrum Parameters:"));
    EXPECT_FALSE(has(argos, "PTT Root ID Code:")) << "a short ID code has no root code";
    EXPECT_FALSE(has(argos, "Warning!"));

    const std::string none = reportText(defaultRecord());
    EXPECT_FALSE(has(none, "ARGOS PTT Parameters:"));
    EXPECT_FALSE(has(none, "Spread Spectrum Parameters:"));
}

TEST(PrintedSprPage, LongIdCodeBeaconAndSwitchLines) {
    ParameterRecord record = argosRecord(40000);
    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    record.text(StringRow::VHFPattern1) = "1100";
    record.general(GeneralRow::SWSEnabled) = 1;
    record.general(GeneralRow::FailsafeThreshold) = 3725;
    const std::string text = reportText(record);
    EXPECT_TRUE(has(text, "PTT Root ID Code:"));
    EXPECT_TRUE(has(text, "1234"));
    EXPECT_TRUE(has(text, "PTT Extension & Protection Code:"));
    EXPECT_TRUE(has(text, "Beacon Enabled"));
    EXPECT_TRUE(has(text, "* 1100"));
    EXPECT_TRUE(has(text, "ie. 1100 ="));
    EXPECT_FALSE(has(text, "Beacon Disabled"));
    EXPECT_TRUE(has(text, "1:02:05")) << "fail-safe threshold as hh:mm:ss";

    const std::string plain = reportText(defaultRecord());
    EXPECT_TRUE(has(plain, "Beacon Disabled"));
    EXPECT_FALSE(has(plain, "Beacon Special Pulse Patterns:"));
}

TEST(PrintedSprPage, ADateRangeTooWideForItsColumnWrapsInsteadOfBeingCut) {
    ParameterRecord record = spreadSpectrumRecord();
    record.season(1, SeasonRow::SeasonType) = 1;
    record.season(1, SeasonRow::NumberOfDays) = 60;
    record.season(1, SeasonRow::NextSeason) = 2;
    record.season(2, SeasonRow::SeasonType) = 1;
    record.season(2, SeasonRow::NumberOfDays) = 200;
    record.season(2, SeasonRow::NextSeason) = 1;
    const std::string text = reportText(record);
    EXPECT_TRUE(has(text, "Mar 1, 27 -")) << text;
    EXPECT_TRUE(has(text, "Jul 18, 27"));
    EXPECT_TRUE(has(text, "Feb 28, 28"));
    EXPECT_FALSE(has(text, "...")) << "nothing cut off";
}

TEST(PrintedSimulationPage, HeaderIdentityAndBothPanels) {
    ParameterRecord record = argosRecord(100);
    const std::string text = reportText(record, SimulationReport);
    EXPECT_TRUE(has(text, "* * Halvorn, Inc. Schedule Simulation Report * *")) << text;
    EXPECT_TRUE(has(text, "CTN-4711"));
    EXPECT_TRUE(has(text, "Firmware Versions:"));
    EXPECT_FALSE(has(text, "GPS Parameters:")) << "the simulation report has no parameter groups";
    // The first panel opens on 1 March; the second two scroll steps (28 days) later, in April.
    EXPECT_TRUE(has(text, "Mar 2026"));
    EXPECT_TRUE(has(text, "Apr 2026"));
    std::size_t titles = 0;
    for (std::size_t at = text.find("GPS Fixes"); at != std::string::npos;
         at = text.find("GPS Fixes", at + 1))
        ++titles;
    EXPECT_EQ(titles, 2u) << "the chart is drawn twice";
}

// Every page of the report has ink only inside the margins: 0.7 inch at the
// sides and 0.5 inch at the top and bottom (one point a pixel at 72 dpi; a
// pixel of anti-aliasing allowed).
void expectInsideMargins(const std::string& pdf, const TempDir& dir, std::size_t expectedPages) {
    const std::vector<QImage> pages = pdfPages(pdf, dir);
    ASSERT_EQ(pages.size(), expectedPages);
    for (const QImage& page : pages) {
        ASSERT_EQ(page.width(), 612);  // US Letter
        ASSERT_EQ(page.height(), 792);
        const int left = static_cast<int>(0.7 * 72) - 1, right = page.width() - left;
        const int top = static_cast<int>(0.5 * 72) - 1, bottom = page.height() - top;
        int inked = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) > 200) continue;
                ++inked;
                ASSERT_TRUE(x >= left && x < right && y >= top && y < bottom)
                    << "ink at " << x << "," << y << " outside the margins";
            }
        }
        EXPECT_GT(inked, 1000) << "the page is not blank";
    }
}

TEST(PrintedSimulationPage, TheBudgetsLinesAndLedgerStandUnderTheChartsInsideThePage) {
    TempDir dir;
    const ParameterRecord record = argosRecord(100);
    ReportJob job = pdfJob(record, SimulationReport, dir.file("sim.pdf"));
    auto simulation = std::make_shared<SimulationSnapshot>(*simulationOf(record, EnergySettings{}));
    addBudgetNotes(*simulation, *simulation->battery);
    // A ledger of all twelve seasons, the longest the page has to hold.
    while (simulation->table.size() < 13)
        simulation->table.push_back(
            {std::to_string(simulation->table.size()), "123456", "654321", "98765.4"});
    job.simulation = simulation;
    ASSERT_TRUE(writeReportPdf(job, job.outputFile));
    const std::string text = runProcess("/usr/bin/pdftotext", {"-layout", job.outputFile, "-"}).out;
    const std::size_t lastPanel = text.rfind("Transmitter");
    const std::size_t nominal = text.find("Nominal, 85 % of fixes succeed");
    ASSERT_NE(nominal, std::string::npos) << text;
    EXPECT_GT(nominal, lastPanel) << "the budget follows the second chart";
    EXPECT_TRUE(has(text, "Pessimistic, 60 % of fixes succeed"));
    EXPECT_TRUE(has(text, "Mean charge per day (nominal)"));
    EXPECT_TRUE(has(text, "By season (nominal"));
    EXPECT_TRUE(has(text, "Fix attempts"));
    EXPECT_TRUE(has(text, "98765.4")) << "the ledger's last row is on the page";
    expectInsideMargins(job.outputFile, dir, 1);
}

// The printed charts are the Simulation tab's: with the budget in the snapshot
// (the tab's switch on) both panels carry the battery line, without it none;
// nothing of it leaves the page's margins.
TEST(PrintedSimulationPage, TheBatteryLineIsPrintedInBothPanelsOnlyWhenSwitchedOn) {
    const ParameterRecord record = argosRecord(100);
    const auto redRows = [&](const std::optional<EnergySettings>& battery, const TempDir& dir) {
        ReportJob job = pdfJob(record, SimulationReport, dir.file("sim.pdf"));
        job.simulation = simulationOf(record, battery);
        EXPECT_TRUE(writeReportPdf(job, job.outputFile));
        expectInsideMargins(job.outputFile, dir, 1);
        const std::vector<QImage> pages = pdfPages(job.outputFile, dir, 150);
        return pages.empty() ? std::vector<int>{} : batteryRedRows(pages[0]);
    };
    TempDir off;
    EXPECT_TRUE(redRows(std::nullopt, off).empty()) << "no line when it is switched off";

    TempDir on;
    const std::vector<int> rows = redRows(EnergySettings{}, on);
    ASSERT_FALSE(rows.empty()) << "the battery line is on the printed page";
    // One line near the top of each panel: two bands of rows far apart (the
    // panels are over 3 inches high, 150 dots an inch).
    const auto gap = std::adjacent_find(rows.begin(), rows.end(), [](int a, int b) { return b - a > 300; });
    ASSERT_NE(gap, rows.end()) << "the line is in the first panel only";
    EXPECT_EQ(std::adjacent_find(gap + 1, rows.end(), [](int a, int b) { return b - a > 300; }), rows.end());

    // A battery spent in the first days: the first panel's line falls from the
    // top of its strip to the bottom.
    TempDir spent;
    EnergySettings small;
    small.batteryMah = 100;
    const std::vector<int> falling = redRows(small, spent);
    ASSERT_FALSE(falling.empty());
    EXPECT_GT(falling.size(), 100u) << "the line runs down through the strip";
}

TEST(PrintedPagesOnPaper, EveryMarkLiesInsideTheMargins) {
    TempDir dir;
    ParameterRecord record = argosRecord(40000);
    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    record.general(GeneralRow::SWSEnabled) = 1;
    record.general(GeneralRow::DataCollMode) = 2;
    // A note and a customer far longer than their place on the page.
    record.text(StringRow::Notes) = std::string(240, 'N');
    record.text(StringRow::Customer) = std::string(200, 'C');
    const ReportJob spr = pdfJob(record, ProgrammingReport, dir.file("spr.pdf"));
    ASSERT_TRUE(writeReportPdf(spr, spr.outputFile));
    expectInsideMargins(spr.outputFile, dir, 1);

    TempDir simDir;
    const ReportJob sim = pdfJob(record, SimulationReport, simDir.file("sim.pdf"));
    ASSERT_TRUE(writeReportPdf(sim, sim.outputFile));
    expectInsideMargins(sim.outputFile, simDir, 1);
}

TEST(PrintedPagesOnPaper, TwelveSeasonsStillFitOnOnePage) {
    TempDir dir;
    ParameterRecord record = argosRecord(100);
    for (int s = 1; s <= kSeasons; ++s) {
        record.season(s, SeasonRow::NextSeason) = s == kSeasons ? 1 : 0;
        record.season(s, SeasonRow::GpsDcbDuration) = 3;
        record.season(s, SeasonRow::GpsNumHours_2) = 3;
        record.season(s, SeasonRow::GpsFixInterval_2) = 2;
        record.season(s, SeasonRow::GpsDcbDay_2) = 2;
        record.season(s, SeasonRow::ArgosDcbDuration) = 2;
        record.season(s, SeasonRow::ArgosNumHours_1) = 4;
    }
    const ReportJob spr = pdfJob(record, ProgrammingReport, dir.file("spr.pdf"));
    ASSERT_TRUE(writeReportPdf(spr, spr.outputFile));
    expectInsideMargins(spr.outputFile, dir, 1);
    const std::string text = runProcess("/usr/bin/pdftotext", {"-layout", spr.outputFile, "-"}).out;
    EXPECT_TRUE(has(text, "Go to Seas. 1")) << "the twelfth season's row is printed";
}

TEST(PrintedPagesOnPaper, AFileThatCannotBeWrittenIsReported) {
    ScriptedPresenter presenter;
    MessageLog log(&presenter);
    struct NoServer : PrinterCatalog {
        std::optional<std::vector<PrinterInfo>> printers() override { return std::nullopt; }
        std::string defaultPrinter() override { return ""; }
    } catalog;
    PageReportPrinter printer(catalog, log);
    ReportJob job = pdfJob(defaultRecord(), ProgrammingReport, "/nonexistent-folder/report.pdf");
    EXPECT_EQ(printer.print(job), kReportOpenFailed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(
        presenter.last().text,
        "Could not open '/nonexistent-folder/report.pdf' for writing.\nThe output file was NOT created!");

    // A cancelled file choice writes nothing and says nothing.
    presenter.clear();
    PageReportPrinter asking(catalog, log, [] { return std::string(); });
    job.outputFile.clear();
    EXPECT_EQ(asking.print(job), kReportNotSaved);
    EXPECT_EQ(presenter.count(), 0u);
}

}  // namespace
}  // namespace orv::test
