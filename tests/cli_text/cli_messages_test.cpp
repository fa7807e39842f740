#include "cli_messages.h"

#include <gtest/gtest.h>

#include "catalogue_check.h"

namespace orv {
namespace {

using namespace clitext;

TEST(CliMessages, ArgumentsAndOptionsShowTheirValuesInPlace) {
    EXPECT_TRUE(formatsInPlace(takesNoArgument("spr", "x.txt"), {"'spr' takes no argument 'x.txt'"}));
    EXPECT_EQ(unknownCommand("shwo", ""), "unknown command 'shwo'");
    EXPECT_EQ(unknownCommand("shwo", "show"), "unknown command 'shwo'; did you mean 'show'?");
    EXPECT_EQ(unknownOption("jsno", "show", ""), "unknown option '--jsno' for 'show'");
    EXPECT_EQ(unknownOption("jsno", "show", "json"),
              "unknown option '--jsno' for 'show'; did you mean '--json'?");
    EXPECT_TRUE(formatsInPlace(optionTakesNoValue("yes"), {"'--yes' takes"}));
    EXPECT_TRUE(formatsInPlace(optionNeedsValue("-o"), {"'-o' needs"}));
    EXPECT_TRUE(formatsInPlace(databaseCreated("/d/p.db"), {"file '/d/p.db' was"}));
    EXPECT_TRUE(formatsInPlace(twoSources("ppf", "db"), {"not --ppf and --db"}));
    EXPECT_TRUE(formatsInPlace(notPpfFile("a.txt"), {"'a.txt' is not"}));
    EXPECT_TRUE(formatsInPlace(malformedRaw("Elev"), {"--raw 'Elev'"}));
    EXPECT_TRUE(formatsInPlace(unknownRawParameter("Elv"), {"'Elv' in --raw"}));
    EXPECT_TRUE(formatsInPlace(rawNeedsNumber("ElevAngle", "x"), {"--raw ElevAngle needs", "not 'x'"}));
    EXPECT_TRUE(formatsInPlace(malformedSet("Elev"), {"--set 'Elev'"}));
    EXPECT_TRUE(formatsInPlace(unknownSetParameter("Elv"), {"'Elv' in --set"}));
    // A field name is a view into a table, not a terminated string.
    const std::string_view field = std::string_view("DatumXYZ").substr(0, 5);
    EXPECT_TRUE(formatsInPlace(notAChoice("Q", field), {"'Q' is not a choice of 'Datum'"}));
    EXPECT_TRUE(formatsInPlace(cannotEnter(field), {"into 'Datum'"}));
    EXPECT_TRUE(formatsInPlace(cannotChangeAtLevel("--set", field, "Customer", "Ann"),
                               {"--set: 'Datum' cannot", "at the Customer level (user 'Ann')."}));
    EXPECT_TRUE(formatsInPlace(resetLabelUnknown("Foo", "A, B"), {"--reset 'Foo'", "labels:\n  A, B"}));
}

TEST(CliMessages, UsersDatabaseAndDeviceTextsShowTheirValuesInPlace) {
    EXPECT_EQ(passwordPrompt("ann"), "Password for ann: ");
    EXPECT_TRUE(formatsInPlace(loginNeedsPassword("ann"), {"User 'ann' logs"}));
    EXPECT_TRUE(formatsInPlace(levelNeedsPassword("Engineer"), {"level Engineer needs"}));
    EXPECT_TRUE(formatsInPlace(unknownUsersAction("rm"), {"action 'rm'"}));
    EXPECT_TRUE(formatsInPlace(usersActionNeedsUser("add"), {"'users add' needs"}));
    EXPECT_TRUE(formatsInPlace(unknownLevel("Boss"), {"level 'Boss':"}));
    EXPECT_TRUE(formatsInPlace(unknownDbAction("drop"), {"action 'drop'"}));
    EXPECT_TRUE(formatsInPlace(dbActionNeedsKey("save"), {"'db save' needs"}));
    EXPECT_TRUE(formatsInPlace(deviceDeleted("J1", "C2", "Working"),
                               {"Job #: 'J1', Ctn #: 'C2', Status: 'Working' has been deleted"}));
    EXPECT_TRUE(formatsInPlace(deviceNotInDatabase("J1", "C2", "Working"),
                               {"Job #: 'J1', Ctn #: 'C2', Status: 'Working' was not found"}));
    EXPECT_TRUE(formatsInPlace(statusUnknown("Done"), {"not 'Done'"}));
    EXPECT_EQ(editRefusedForJob("delete", "ann", "Test", "J7"),
              "db delete: user 'ann' at the Test level may not delete the Job 'J7'.");
    EXPECT_EQ(editRefusedForStatus("save", "ann", "Test", "Programmed"),
              "db save: user 'ann' at the Test level may not save a device with status 'Programmed'.");
    EXPECT_EQ(controlRefused("db rename", "ann", "Test", kChangeJobAction),
              "db rename: user 'ann' at the Test level may not change a Job number.");
    EXPECT_TRUE(formatsInPlace(cannotSignOff("ann", "Test"), {"user 'ann' at the Test level cannot"}));
    EXPECT_TRUE(formatsInPlace(traceNotOpened("/ro/t.log", "Permission denied"),
                               {"file '/ro/t.log': Permission denied"}));
    EXPECT_TRUE(formatsInPlace(activityCheckFailed("device write"), {"device write: the activity"}));
    EXPECT_TRUE(formatsInPlace(zeroPttIdRefused("batch", 123456789012LL),
                               {"batch: the assigned", "ID 123456789012 instead"}));
    EXPECT_TRUE(formatsInPlace(manifestProblem("m.csv", "no header"), {"m.csv: no header"}));
    EXPECT_TRUE(formatsInPlace(unknownDeviceOperation("zap"), {"operation 'zap'"}));
    EXPECT_TRUE(formatsInPlace(deviceNeedsPort("read"), {"'device read' needs"}));
    EXPECT_EQ(onlyWithWrite("no-save"), "--no-save goes with 'device write'");
    EXPECT_TRUE(
        formatsInPlace(alwaysSavesProgrammed("ann", "Test"), {"user 'ann' at the Test level always"}));
    EXPECT_TRUE(formatsInPlace(baudNotPositive("-1"), {"not '-1'"}));
    EXPECT_TRUE(formatsInPlace(parityUnknown("mark"), {"not 'mark'"}));
    EXPECT_TRUE(formatsInPlace(dataBitsUnknown("9"), {"not '9'"}));
    EXPECT_TRUE(formatsInPlace(stopBitsUnknown("3"), {"not '3'"}));
    EXPECT_TRUE(formatsInPlace(timeoutNotPositive("0"), {"not '0'"}));
    EXPECT_TRUE(formatsInPlace(sourceUnknown("db:J"), {"'db:J' names"}));
    EXPECT_TRUE(formatsInPlace(dbSourceNeedsDb("db:J,C,S"), {"'db:J,C,S' needs"}));
    EXPECT_TRUE(formatsInPlace(sourceUnreadable("x.ppf"), {"of 'x.ppf' could"}));
    EXPECT_TRUE(formatsInPlace(diffTakesNoSourceOption("ppf"), {"not --ppf"}));
    EXPECT_TRUE(formatsInPlace(binWrongSize("c.bin", 12, "N4 040816", 744),
                               {"'c.bin' is", "of N4 040816:", "holds 12 bytes", "image 744"}));
    EXPECT_TRUE(formatsInPlace(manifestUnreadable("m.csv"), {"m.csv: cannot"}));
    EXPECT_TRUE(formatsInPlace(manifestLineProblem("m.csv", 7, "bad"), {"m.csv: line 7: bad"}));
    EXPECT_TRUE(formatsInPlace(portNotSerial("/dev/null0"), {"port /dev/null0 is"}));
    EXPECT_TRUE(formatsInPlace(deviceNotStored("J", "C", "S", "p.db"),
                               {"Job 'J', CTN 'C', status 'S' is not in the database p.db"}));
    EXPECT_EQ(deviceNotStored("J", "C", "S", "postgresql://ann:pw?x@h/orv"),
              "Job 'J', CTN 'C', status 'S' is not in the database postgresql://ann:***@h/orv");
}

TEST(CliMessages, FileAndSimulationTextsShowTheirValuesInPlace) {
    EXPECT_TRUE(formatsInPlace(cannotWrite("/ro/x"), {"'/ro/x'"}));
    EXPECT_TRUE(formatsInPlace(firmwareNotSupported("Z9"), {"version 'Z9' is"}));
    EXPECT_TRUE(formatsInPlace(needsStart("budget"), {"'budget' needs"}));
    EXPECT_TRUE(formatsInPlace(startNotDate("2024-13-01"), {"not '2024-13-01'"}));
    EXPECT_TRUE(formatsInPlace(yearsOutOfRange("9"), {"not '9'"}));
    EXPECT_TRUE(formatsInPlace(budgetFormatUnknown("xml"), {"text or json, not 'xml'"}));
    EXPECT_TRUE(formatsInPlace(simulateFormatUnknown("xml"), {"csv or json, not 'xml'"}));
    EXPECT_TRUE(formatsInPlace(chartOutputUnknown("c.gif"), {"not 'c.gif'"}));
    EXPECT_TRUE(formatsInPlace(viewStartNotDate("x"), {"not 'x'"}));
    EXPECT_TRUE(formatsInPlace(zoomUnknown("5"), {"not '5'"}));
    EXPECT_TRUE(formatsInPlace(sizeUnknown("1x1"), {"not '1x1'"}));
    EXPECT_TRUE(formatsInPlace(chartNotWritten("c.png"), {"to 'c.png'."}));
}

TEST(CliMessages, FixedTextsAreShownAsTheyAre) {
    for (const char* text : {kYesAndNo,
                             kOutputNeedsName,
                             kDbNeedsPath,
                             kDbNeedsKey,
                             kPpfNeedsName,
                             kUserNeedsName,
                             kPasswordOptionDeprecated,
                             kServicePasswordPrompt,
                             kServiceAccountNeedsPassword,
                             kServicePasswordSet,
                             kUsersNeedsAction,
                             kUsersNeedsPwdb,
                             kDbNeedsAction,
                             kDbCommandNeedsPath,
                             kRenameNeedsJobs,
                             kCopyNeedsTarget,
                             kSameAsDatabase,
                             kDeviceNeedsOperation,
                             kJsonAndOutputWithRead,

                             kBatchNeedsManifest,
                             kBatchNeedsUser,
                             kBatchTimeoutNotPositive,
                             kExportNeedsOutput,
                             kFirmwareUnknownNotExported,
                             kImageNeedsOutput,
                             kLayoutNeedsFirmware,
                             kPrintNeedsReport,
                             kPrintNeedsTarget,
                             kPrinterNeedsName,
                             kChartNeedsOutput,
                             kCompletionsNeedsWhat,
                             kSignOffWithStatus,
                             kNothingSavedAsProgrammed}) {
        EXPECT_TRUE(isWholeText(text));
    }
}

// The window's texts, slips included, are the ones users know: orvctl says them alike.
TEST(CliMessages, LegacyWordingStays) {
    EXPECT_NE(
        std::string(wftext::kFirmwareNotSupported).find("Contact Halvorn support to get a Orv upgrade.\n"),
        std::string::npos);
}

}  // namespace
}  // namespace orv
