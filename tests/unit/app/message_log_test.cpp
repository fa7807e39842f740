#include "app/message_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class MessageLogTest : public ::testing::Test {
protected:
    test::TempDir dir{test::TempDir::Enter::Yes};
    test::ScriptedPresenter boxes;
    MessageLog log{&boxes};

    void logToFile() { log.logPath = dir.file("messages.log"); }
    // The log with its time stamps replaced by "T".
    std::string logged() const {
        static const std::regex stamp("\n[0-9]{2}:[0-9]{2}:[0-9]{2} -- ");
        return std::regex_replace(dir.read("messages.log"), stamp, "\nT -- ");
    }
};

TEST_F(MessageLogTest, ShowsEveryBoxWithItsCaptionAndWritesNothingWithoutALogPath) {
    const char* user = "100% %s %n";
    EXPECT_EQ(log.error("Bad %s", user), kAnswerOk);
    EXPECT_EQ(log.warning("W %d", 5), kAnswerOk);
    EXPECT_EQ(log.information("I"), kAnswerOk);
    boxes.answer(kAnswerYes).answer(kAnswerCancel);
    EXPECT_EQ(log.choice("C?"), kAnswerYes);
    EXPECT_EQ(log.yesNoCancel("Y?"), kAnswerCancel);

    std::vector<std::string> captions;
    for (const auto& box : boxes.boxes) {
        captions.push_back(box.caption);
    }
    EXPECT_THAT(captions, ElementsAre("Error", "Warning", "Information", "Choice", "Yes/No/Cancel"));
    EXPECT_EQ(boxes.boxes[0].text, "Bad 100% %s %n");
    EXPECT_EQ(boxes.boxes[1].text, "W 5");
    EXPECT_EQ(log.logLine("x"), 0);
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(MessageLogTest, NoticesAreLoggedAlsoWhenSuppressed) {
    logToFile();
    log.showNotices = 0;
    EXPECT_EQ(log.warning("Range %d", 3), kAnswerOk);
    EXPECT_EQ(log.information("Done"), kAnswerOk);
    EXPECT_EQ(log.error("Broken\nline two"), kAnswerOk);  // errors are always shown
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().kind, BoxKind::Error);
    EXPECT_EQ(logged(), "\nT -- Range 3\nT -- Done\nT -- Broken\nline two");
}

TEST_F(MessageLogTest, SuppressedQuestionsCountAsYes) {
    logToFile();
    log.askQuestions = 0;
    EXPECT_EQ(log.choice("Program the collar?"), kAnswerYes);
    log.askQuestions = 1;
    log.showNotices = 0;
    EXPECT_EQ(log.yesNoCancel("Save?"), kAnswerYes);
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(logged(),
              "\nT -- Program the collar?\n Message Box suppressed - assumed YES answer"
              "\nT -- Save?\n Message Box suppressed - assumed YES answer");
}

TEST_F(MessageLogTest, AnswersAreLogged) {
    logToFile();
    boxes.answer(kAnswerCancel).answer(kAnswerNo).answer(kAnswerYes).answer(kAnswerNo).answer(kAnswerCancel);
    EXPECT_EQ(log.yesNoCancel("Q1"), kAnswerCancel);
    EXPECT_EQ(log.yesNoCancel("Q2"), kAnswerNo);
    EXPECT_EQ(log.yesNoCancel("Q3"), kAnswerYes);
    EXPECT_EQ(log.choice("Q4"), kAnswerNo);
    EXPECT_EQ(log.choice("Q5"), kAnswerCancel);
    EXPECT_EQ(logged(),
              "\nT -- Q1\n      User Answered:  CANCEL"
              "\nT -- Q2\n      User Answered:  NO"
              "\nT -- Q3\n      User Answered:  YES"
              "\nT -- Q4\n      User Answered:  NO (or cancel)"
              "\nT -- Q5\n      User Answered:  NO (or cancel)");
}

TEST_F(MessageLogTest, LongTextsLoseTheirTailInTheAnswerLineOnly) {
    logToFile();
    const std::string question(300, 'q');
    boxes.answer(kAnswerYes);
    log.choice("%s", question.c_str());
    EXPECT_EQ(boxes.last().text, question);
    EXPECT_EQ(logged(), "\nT -- " + std::string(255, 'q') + "  YES");

    const std::string huge(12000, 'h');
    log.information("%s", huge.c_str());
    EXPECT_EQ(boxes.last().text.size(), kMessageBufferSize - 1);
}

TEST_F(MessageLogTest, WithoutPresenterBoxesGetTheirDefaults) {
    MessageLog headless;
    EXPECT_EQ(headless.error("e"), kAnswerOk);
    EXPECT_EQ(headless.warning("w"), kAnswerOk);
    EXPECT_EQ(headless.choice("c"), kAnswerNo);
    EXPECT_EQ(headless.yesNoCancel("y"), kAnswerNo);
    headless.askQuestions = 0;
    EXPECT_EQ(headless.choice("c"), kAnswerYes);
}

TEST_F(MessageLogTest, AnUnopenableLogIsSkipped) {
    log.logPath = dir.file("no/such/folder/log");
    EXPECT_EQ(log.warning("still shown"), kAnswerOk);
    EXPECT_EQ(boxes.count(), 1u);
    EXPECT_EQ(log.logLine("x"), 0);
}

}  // namespace
}  // namespace orv
