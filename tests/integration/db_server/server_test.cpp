// The parameter database on a PostgreSQL server end to end: orvctl moves a
// team's file onto the server and back, a connection URI never shows its
// password, and a server that stops in the middle of a save leaves the device
// as it was and says why.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/format_text.h"
#include "db/db_messages.h"
#include "db/engine.h"
#include "db/parameter_db.h"
#include "db/password_db.h"
#include "engineer_login.h"
#include "model/definitions.h"
#include "model/record.h"
#include "pg_cluster.h"
#include "run_process.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OnServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (testServerUri().empty()) GTEST_SKIP() << kPostgresSkipHelp;
        restoreBuiltinDefinitions();
        resetRecord(record);
        db.pause = nullptr;
    }
    std::string freshDatabase() {
        databases.emplace_back(std::make_unique<ScratchDatabase>(testServerUri()));
        EXPECT_EQ(databases.back()->error, "");
        return databases.back()->uri();
    }
    ProcessResult orvctl(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }

    TempDir folder;
    std::vector<std::unique_ptr<ScratchDatabase>> databases;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    ParameterRecord record;
    ParameterDb db{log, record};
};

TEST_F(OnServer, OrvctlCopiesEveryDeviceOntoTheServerAndBack) {
    const std::vector<std::vector<std::string>> devices = {{"05-1", "C1", "Working", "15"},
                                                           {"05-1", "C1", "Programmed", "16"},
                                                           {"06-2", "C'7", "Working", "17"}};
    for (const auto& d : devices) {
        std::vector<std::string> save{"db",    "save", "--db",     "Orv3.mdb", "--job", d[0],
                                      "--ctn", d[1],   "--status", d[2],       "--set", "ElevAngle=" + d[3],
                                      "--yes"};
        // Only an Engineer saves a "Programmed" device by hand.
        for (const auto& option : engineerLogin(folder.path().string())) save.push_back(option);
        const auto saved = orvctl(save);
        ASSERT_EQ(saved.status, 0) << saved.err;
    }
    const std::string server = freshDatabase();
    const auto there = orvctl({"db", "copy", "--db", "Orv3.mdb", "--to", server, "--yes"});
    ASSERT_EQ(there.status, 0) << there.err;
    EXPECT_NE(there.out.find("4 devices copied, 0 failed"), std::string::npos) << there.out;  // with Default

    const auto back = orvctl({"db", "copy", "--db", server, "--to", "Back.mdb", "--yes"});
    ASSERT_EQ(back.status, 0) << back.err;
    const auto original = orvctl({"db", "list", "--db", "Orv3.mdb"});
    const auto onServer = orvctl({"db", "list", "--db", server});
    const auto returned = orvctl({"db", "list", "--db", "Back.mdb"});
    EXPECT_EQ(onServer.out, original.out);
    EXPECT_EQ(returned.out, original.out);
    for (const auto& d : devices) {
        for (const std::string& path : {server, std::string("Back.mdb")}) {
            const auto check = orvctl({"db", "check", "--db", path, "--job", d[0], "--ctn", d[1], "--status",
                                       d[2], "--set", "ElevAngle=" + d[3]});
            EXPECT_EQ(check.status, 0) << path << ": " << check.err;
        }
    }
}

// A file written by another program may hold a NUL inside a text, which the
// server cannot store: that device counts as failed, the others are copied.
TEST_F(OnServer, ADeviceThatCannotBeCopiedWholeCountsAsFailed) {
    for (const char* ctn : {"1", "2"}) {
        const auto saved = orvctl(
            {"db", "save", "--db", "Orv3.mdb", "--job", "J", "--ctn", ctn, "--set", "Notes=n", "--yes"});
        ASSERT_EQ(saved.status, 0) << saved.err;
    }
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open((folder.path() / "Orv3.mdb").c_str(), &file), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(file, "UPDATE GenParmsTbl SET Notes = CAST(X'61620063' AS TEXT) WHERE CtnNumber = '2'",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(file);
    const std::string server = freshDatabase();
    const auto copied = orvctl({"db", "copy", "--db", "Orv3.mdb", "--to", server, "--yes"});
    EXPECT_EQ(copied.status, 1);
    EXPECT_NE(copied.out.find("2 devices copied, 1 failed"), std::string::npos)
        << copied.out;  // with Default
    EXPECT_NE(copied.out.find("failed\tJ\t2\tWorking"), std::string::npos) << copied.out;
    EXPECT_NE(copied.err.find("a text holding a NUL character cannot be stored"), std::string::npos)
        << copied.err;
    const auto listed = orvctl({"db", "list", "--db", server});
    EXPECT_EQ(listed.out.find("\t2\t"), std::string::npos) << listed.out;
}

TEST_F(OnServer, AnEmptyServerDatabaseIsOfferedForCreationAndAPasswordIsNeverShown) {
    const std::string plain = freshDatabase();
    // trust authentication takes any password, so this one only has to stay
    // hidden, with the characters that end the parts of a URI.
    const std::string secret = "Pa5?s:w0rd#x&y";
    const std::string withPassword =
        "postgresql://postgres:" + secret + "@" + plain.substr(plain.find('@') + 1);

    presenter.answer(kAnswerNo);
    EXPECT_EQ(db.openDatabase(withPassword, true), DbResult::Failed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              formatText(dbtext::kOfferCreate,
                         ("postgresql://postgres:***@" + plain.substr(plain.find('@') + 1)).c_str()));

    presenter.clear();
    presenter.answer(kAnswerYes);
    ASSERT_EQ(db.openDatabase(withPassword, true), DbResult::Ok);
    db.closeDatabase();
    std::vector<DeviceKey> devices;
    ASSERT_EQ(db.listDevices(devices), DbResult::Ok);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].job, "Default");

    // A database that does not exist: the server's own words, and no password.
    presenter.clear();
    const std::string missing = withPassword.substr(0, withPassword.rfind('/')) + "/no_such_database";
    EXPECT_EQ(db.openDatabase(missing, false), DbResult::Failed);
    ASSERT_FALSE(presenter.shown(BoxKind::Error).empty());
    const std::string shown = presenter.shown(BoxKind::Error)[0].text;
    EXPECT_EQ(shown.rfind("Couldn't open database -- Exception: ", 0), 0u) << shown;
    EXPECT_NE(shown.find("\"no_such_database\" does not exist"), std::string::npos) << shown;
    for (const auto& box : presenter.boxes) EXPECT_EQ(box.text.find(secret), std::string::npos) << box.text;

    // orvctl says the same on its standard error, and hides the password there too.
    const auto listed = orvctl({"db", "list", "--db", missing});
    EXPECT_EQ(listed.status, 1);
    EXPECT_NE(listed.err.find("Couldn't open database -- Exception: "), std::string::npos) << listed.err;
    EXPECT_EQ(listed.err.find(secret), std::string::npos) << listed.err;
    EXPECT_EQ(listed.out.find(secret), std::string::npos);

    // Every other message that names the database: a copy's target, a
    // manifest's line whose device the database lacks, a login's database.
    const std::string masked = "postgresql://postgres:***@" + plain.substr(plain.find('@') + 1);
    const auto copied = orvctl({"db", "copy", "--db", withPassword, "--to", withPassword, "--no"});
    EXPECT_NE(copied.err.find("Information: " + masked), std::string::npos) << copied.err;
    const std::string manifest = (folder.path() / "m.csv").string();
    std::ofstream(manifest) << "port,job,ctn\n/dev/null,J9,C9\n";
    std::vector<std::string> batch = {"batch", "--manifest", manifest, "--db", withPassword};
    for (const auto& option : engineerLogin(folder.path().string())) batch.push_back(option);
    const auto checked = orvctl(batch);
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.err.find("is not in the database " + masked), std::string::npos) << checked.err;
    const auto login = orvctl({"show", "--user", "Eve", "--pwdb", missing});
    for (const auto* run : {&copied, &checked, &login}) {
        EXPECT_EQ(run->err.find(secret), std::string::npos) << run->err;
        EXPECT_EQ(run->out.find(secret), std::string::npos) << run->out;
    }
}

TEST_F(OnServer, PasswordsOnTheServerAreHashedAndUsersWorkThroughOrvctl) {
    const std::string server = freshDatabase();
    const auto added = orvctl({"users", "add", "--pwdb", server, "--user", "Eve", "--level", "Engineer",
                               "--password", "engineer pw", "--yes"});
    ASSERT_EQ(added.status, 0) << added.err;
    const auto listed = orvctl({"users", "list", "--pwdb", server});
    EXPECT_NE(listed.out.find("Eve"), std::string::npos) << listed.out << listed.err;
    PGconn* conn = PQconnectdb(server.c_str());
    PGresult* rows = PQexec(conn, "SELECT \"PwdPassword\" FROM \"PwdTbl\" WHERE \"PwdUser\" = 'eve'");
    ASSERT_EQ(PQntuples(rows), 1) << "user names compare ignoring case";
    EXPECT_EQ(std::string(PQgetvalue(rows, 0, 0)).rfind("$argon2id", 0), 0u);
    PQclear(rows);
    PQfinish(conn);
}

// Another session holds the device's row (an editor left open, a stuck
// script): the save waits as long as on a file, then says the database is busy
// and leaves the device as it was; once the row is free it goes through.
TEST_F(OnServer, ARowLockedByAnotherSessionEndsTheSaveWithTheBusyMessage) {
    const std::string server = freshDatabase();
    presenter.defaultQuestionAnswer = kAnswerYes;
    db.setCurrentPath(server);
    record.general(GeneralRow::ElevAngle) = 11;
    ASSERT_EQ(db.saveDevice("J", "C", "Working"), DbResult::Ok);

    PGconn* other = PQconnectdb(server.c_str());
    ASSERT_EQ(PQstatus(other), CONNECTION_OK);
    PQclear(PQexec(other, "BEGIN"));
    PGresult* locked = PQexec(other, "SELECT 1 FROM \"GenParmsTbl\" WHERE \"CtnNumber\" = 'C' FOR UPDATE");
    ASSERT_EQ(PQntuples(locked), 1);
    PQclear(locked);

    presenter.clear();
    record.general(GeneralRow::ElevAngle) = 22;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(db.saveDevice("J", "C", "Working"), DbResult::Failed);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_LT(waited, std::chrono::seconds(30)) << "the save gave up instead of waiting on";
    const auto errors = presenter.shown(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Couldn't delete from database -- Exception: " + busyDescription(server))
        << errors[0].text;

    // A read meanwhile sees the device whole, as it was.
    resetRecord(record);
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 11);

    PQclear(PQexec(other, "ROLLBACK"));
    PQfinish(other);
    record.general(GeneralRow::ElevAngle) = 33;
    presenter.clear();
    ASSERT_EQ(db.saveDevice("J", "C", "Working"), DbResult::Ok);
    resetRecord(record);
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 33);
}

// A cluster of the test's own, as it is stopped and started again.
TEST(ServerStopped, MidSaveTheDeviceStaysAsItWasAndTheMessageSaysWhy) {
    if (postgresBinDir().empty()) GTEST_SKIP() << kPostgresSkipHelp;
    std::string why;
    auto cluster = PgCluster::startInTemp(why, false);
    ASSERT_TRUE(cluster) << why;
    const std::string uri = cluster->baseUri() + "/postgres";

    restoreBuiltinDefinitions();
    ScriptedPresenter presenter;
    presenter.defaultQuestionAnswer = kAnswerYes;
    MessageLog log{&presenter};
    ParameterRecord record;
    resetRecord(record);
    ParameterDb db{log, record};
    db.pause = nullptr;
    db.setCurrentPath(uri);
    record.general(GeneralRow::ElevAngle) = 11;
    ASSERT_EQ(db.saveDevice("J", "C", "Working"), DbResult::Ok)
        << (presenter.boxes.empty() ? "" : presenter.last().text);
    // (the save made the tables and the Default device first)

    // Another session holds the season table, so the overwrite below stops
    // halfway: the general row is gone in its transaction, the seasons wait.
    PGconn* other = PQconnectdb(uri.c_str());
    ASSERT_EQ(PQstatus(other), CONNECTION_OK);
    PQclear(PQexec(other, "BEGIN"));
    PQclear(PQexec(other, "LOCK TABLE \"SeasParmsTbl\" IN ACCESS EXCLUSIVE MODE"));
    const pid_t stopper = cluster->stopInBackground(1500);

    presenter.clear();
    record.general(GeneralRow::ElevAngle) = 22;
    EXPECT_EQ(db.saveDevice("J", "C", "Working"), DbResult::Failed);
    int status = 0;
    ::waitpid(stopper, &status, 0);
    PQfinish(other);
    const auto errors = presenter.shown(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u) << "one message for the failed save";
    EXPECT_EQ(errors[0].text.rfind("Couldn't delete from database -- Exception: ", 0), 0u) << errors[0].text;
    EXPECT_GT(errors[0].text.size(), std::string("Couldn't delete from database -- Exception: ").size());

    ASSERT_TRUE(cluster->restart());
    presenter.clear();
    resetRecord(record);
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 11) << "the device as it was before the save";
    PGconn* check = PQconnectdb(uri.c_str());
    PGresult* seasons = PQexec(check, "SELECT count(*) FROM \"SeasParmsTbl\" WHERE \"JobNumber\" = 'J'");
    EXPECT_STREQ(PQgetvalue(seasons, 0, 0), "12");
    PQclear(seasons);
    PQfinish(check);
}

}  // namespace
}  // namespace orv::test
