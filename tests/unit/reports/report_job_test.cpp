// The report thread's work and its one-at-a-time rule.

#include "reports/report_job.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

struct CountingPrinter : ReportPrinter {
    int calls = 0;
    ReportJob last;
    int print(const ReportJob& job) override {
        ++calls;
        last = job;
        return 0;
    }
};

class ReportJobs : public ::testing::Test {
protected:
    ReportJobs() { resetRecord(job.record); }
    test::TempDir dir;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    CountingPrinter printer;
    ReportJob job;
};

TEST_F(ReportJobs, PrintToFileWritesTheTextReportWithItsTitle) {
    job.device = kPrintToFileDevice;
    job.outputFile = dir.file("spr.txt");
    job.title = "DEVICE PROGRAMMING REPORT";
    EXPECT_EQ(runReportJob(job, printer, log, {}), kReportSaved);
    const std::string text = dir.read("spr.txt");
    EXPECT_EQ(text.rfind("* * * * * Halvorn Inc. Software Programming Report * * * * * "
                         "                    -- DEVICE PROGRAMMING REPORT -- \r\n",
                         0),
              0u);
    EXPECT_EQ(printer.calls, 0);
}

TEST_F(ReportJobs, WithoutAFileItAsksAndCancelWritesNothing) {
    job.device = kPrintToFileDevice;
    int asked = 0;
    EXPECT_EQ(runReportJob(job, printer, log,
                           [&] {
                               ++asked;
                               return std::string();
                           }),
              kReportNotSaved);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(dir.entries().empty());
    EXPECT_EQ(presenter.count(), 0u);

    EXPECT_EQ(runReportJob(job, printer, log, [&] { return dir.file("chosen.txt"); }), kReportSaved);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"chosen.txt"});
}

TEST_F(ReportJobs, PagesGoToThePrinter) {
    job.device = "Queue";
    EXPECT_EQ(runReportJob(job, printer, log, {}), 0);
    job.device = kPrintToFileDevice;  // the simulation report is a page even so
    job.kind = SimulationReport;
    EXPECT_EQ(runReportJob(job, printer, log, {}), 0);
    EXPECT_EQ(printer.calls, 2);
    EXPECT_TRUE(dir.entries().empty());
}

// Reports that run until released, counting how many ran at once.
struct HeldReports {
    std::atomic<bool> release{false};
    std::atomic<int> running{0}, most{0}, done{0};
    std::function<void()> work() {
        return [this] {
            const int now = ++running;
            most = std::max(most.load(), now);
            while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
            --running;
            ++done;
        };
    }
};

TEST(ReportThreadRule, ASecondReportWaitsForTheFirstWhileTheWindowIdles) {
    ReportThread thread;
    HeldReports reports;
    auto& [release, running, most, done] = reports;
    const auto work = reports.work();
    thread.start(work);
    EXPECT_TRUE(thread.running());
    int idles = 0;
    // The second start polls; the first report ends after a few idle turns.
    thread.start(work, [&] {
        if (++idles == 3) release = true;
    });
    thread.waitIdle();
    EXPECT_GE(idles, 3);
    EXPECT_EQ(done, 2);
    EXPECT_EQ(most, 1) << "two reports ran at once";
    EXPECT_FALSE(thread.running());
}

TEST(ReportThreadRule, AStartFromTheIdleHandlerWaitsItsTurnToo) {
    ReportThread thread;
    HeldReports reports;
    auto& [release, running, most, done] = reports;
    const auto work = reports.work();
    thread.start(work);
    bool nested = false;
    thread.start(work, [&] {
        if (!nested) {
            nested = true;
            release = true;
            thread.start(work);  // a report asked for while the window waited
        }
    });
    thread.waitIdle();
    EXPECT_EQ(done, 3);
    EXPECT_EQ(most, 1);
}

}  // namespace
}  // namespace orv
