#include "reports/save_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

class SaveReport : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
};

TEST_F(SaveReport, StoresEveryLineFeedAsCrLf) {
    const std::string path = dir.file("report.txt");
    dir.write("report.txt", "old and longer content\n");
    EXPECT_EQ(saveReportText("a\n\nb c\n", path, log), kReportSaved);
    EXPECT_EQ(dir.read("report.txt"), "a\r\n\r\nb c\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"report.txt"});  // no temporary file left
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(SaveReport, EmptyNameAsksAndCancelWritesNothing) {
    int asked = 0;
    EXPECT_EQ(saveReportText("x\n", "", log,
                             [&] {
                                 ++asked;
                                 return std::string();
                             }),
              kReportNotSaved);
    EXPECT_EQ(saveReportText("x\n", "", log), kReportNotSaved);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(presenter.count(), 0u);
    EXPECT_TRUE(dir.entries().empty());
    const std::string chosen = dir.file("chosen.txt");
    EXPECT_EQ(saveReportText("x\n", "", log, [&] { return chosen; }), kReportSaved);
    EXPECT_EQ(dir.read("chosen.txt"), "x\r\n");
}

TEST_F(SaveReport, UncreatableFileShowsTheMessageAndMakesNoFile) {
    const std::string path = dir.file("missing-folder/report.txt");
    EXPECT_EQ(saveReportText("x\n", path, log), kReportOpenFailed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Error);
    EXPECT_EQ(presenter.last().text,
              "Could not open '" + path + "' for writing.\nThe output file was NOT created!");
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(SaveReport, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    const std::string path = dir.write("locked.txt", "keep");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(saveReportText("x\n", path, log), kReportOpenFailed);
    EXPECT_EQ(dir.read("locked.txt"), "keep");
}

}  // namespace
}  // namespace orv
