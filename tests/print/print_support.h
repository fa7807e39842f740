#pragma once

// What the printed-report tests share: records that call for particular
// groups, a report drawn into a PDF, and the PDF read back as text and pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "model/definitions.h"
#include "model/record.h"
#include "page_report_printer.h"
#include "run_process.h"
#include "sim/budget.h"
#include "sim/run_simulation.h"
#include "temp_dir.h"

namespace orv::test {

inline ParameterRecord defaultRecord() {
    ParameterRecord record;
    resetRecord(record);
    record.text(StringRow::CtnNumber) = "CTN-4711";
    record.text(StringRow::JobNumber) = "J-2026-08";
    record.text(StringRow::Customer) = "Northern Caribou Survey";
    return record;
}

inline ParameterRecord argosRecord(double idCode) {
    ParameterRecord record = defaultRecord();
    record.general(GeneralRow::XmitterEnblType) = 2;
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::PttIdCode) = idCode;
    record.general(GeneralRow::RootIDCode) = 1234;
    return record;
}

inline ParameterRecord spreadSpectrumRecord() {
    ParameterRecord record = defaultRecord();
    record.general(GeneralRow::XmitterEnblType) = 3;
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::StartYear) = 2027;
    return record;
}

// A simulation of the record from 1 March 2026, the chart on that date; with
// energy figures, the charts carry the battery line of the run's budget.
inline std::shared_ptr<const SimulationSnapshot> simulationOf(
    const ParameterRecord& record, const std::optional<EnergySettings>& battery = std::nullopt) {
    MessageLog log(nullptr);
    SimulationJob run;
    run.startTime = 1772323200;  // 2026-03-01 00:00 UTC
    runSimulation(record, run, log);
    SimulationChart chart(run.startTime);
    chart.showRunFrom(run.startTime);
    std::shared_ptr<const Budget> budget;
    if (battery)
        budget = std::make_shared<const Budget>(
            computeBudget(run, record.general(GeneralRow::SimulationYears), *battery));
    auto snapshot = std::make_shared<SimulationSnapshot>(
        simulationSnapshot(record, chart, std::move(run.fixes), std::move(run.transmissions)));
    snapshot->battery = std::move(budget);
    return snapshot;
}

inline ReportJob pdfJob(const ParameterRecord& record, ReportKind kind, const std::string& file) {
    ReportJob job;
    job.device = kPrintToPdfDevice;
    job.outputFile = file;
    job.kind = kind;
    job.record = record;
    if (kind == SimulationReport) job.simulation = simulationOf(record);
    return job;
}

// The report's PDF as pdftotext reads it.
inline std::string reportText(const ParameterRecord& record, ReportKind kind = ProgrammingReport,
                              const std::string& title = "") {
    TempDir dir;
    ReportJob job = pdfJob(record, kind, dir.file("report.pdf"));
    job.title = title;
    EXPECT_TRUE(writeReportPdf(job, job.outputFile));
    return runProcess("/usr/bin/pdftotext", {"-layout", job.outputFile, "-"}).out;
}

// The pages of a PDF as images, by default at 72 dots per inch (one point a pixel).
inline std::vector<QImage> pdfPages(const std::string& pdf, const TempDir& dir, int dpi = 72) {
    runProcess("/usr/bin/pdftoppm", {"-r", std::to_string(dpi), "-png", pdf, dir.file("page")});
    std::vector<QImage> pages;
    for (int n = 1;; ++n) {
        QImage page;
        if (!page.load(QString::fromStdString(dir.file("page-" + std::to_string(n) + ".png")))) break;
        pages.push_back(page);
    }
    return pages;
}

// The rows of a page that hold the battery line's red (no other ink of the
// page is red: the marks are blue and orange, the rest black).
inline std::vector<int> batteryRedRows(const QImage& page) {
    std::vector<int> rows;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

}  // namespace orv::test
