#pragma once

// What the printed-report tests share: records that call for particular
// groups, a report drawn into a PDF, and the PDF read back as text and pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "model/definitions.h"
#include "model/record.h"
#include "page_report_printer.h"
#include "run_process.h"
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

// A simulation of the record from 1 March 2026, the chart on that date.
inline std::shared_ptr<const SimulationSnapshot> simulationOf(const ParameterRecord& record) {
    MessageLog log(nullptr);
    SimulationJob run;
    run.startTime = 1772323200;  // 2026-03-01 00:00 UTC
    runSimulation(record, run, log);
    SimulationChart chart(run.startTime);
    chart.showRunFrom(run.startTime);
    return std::make_shared<const SimulationSnapshot>(
        simulationSnapshot(record, chart, std::move(run.fixes), std::move(run.transmissions)));
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

// The pages of a PDF as images at 72 dots per inch (one point a pixel).
inline std::vector<QImage> pdfPages(const std::string& pdf, const TempDir& dir) {
    runProcess("/usr/bin/pdftoppm", {"-r", "72", "-png", pdf, dir.file("page")});
    std::vector<QImage> pages;
    for (int n = 1;; ++n) {
        QImage page;
        if (!page.load(QString::fromStdString(dir.file("page-" + std::to_string(n) + ".png")))) break;
        pages.push_back(page);
    }
    return pages;
}

}  // namespace orv::test
