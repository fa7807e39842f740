#pragma once

// Shared pieces of the database tests: a parameter database on either engine
// (a file in a scratch folder, or a database on the test server) with scripted
// answers, and direct SQL on it to look at what was stored.

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/database_uri.h"
#include "db/parameter_db.h"
#include "model/definitions.h"
#include "model/record.h"
#include "pg_cluster.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv::test {

inline std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::Sqlite ? "Sqlite" : "Postgres";
}

// Test SQL names tables and columns as the program does ("GenParmsTbl",
// "JobNumber"); the server folds unquoted names to lower case, so every such
// CamelCase word outside a literal is quoted before the statement runs.
inline std::string portableSql(const std::string& sql) {
    std::string result;
    char quote = '\0';
    for (std::size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        if (quote != '\0' || c == '\'' || c == '"') {
            if (quote == '\0') {
                quote = c;
            } else if (c == quote) {
                quote = '\0';
            }
            result += c;
            ++i;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t end = i;
            while (end < sql.size() &&
                   (std::isalnum(static_cast<unsigned char>(sql[end])) || sql[end] == '_'))
                ++end;
            const std::string word = sql.substr(i, end - i);
            bool upper = false, lower = false;
            for (const char w : word) {
                upper = upper || std::isupper(static_cast<unsigned char>(w));
                lower = lower || std::islower(static_cast<unsigned char>(w));
            }
            const bool hexLiteral = word == "X" && end < sql.size() && sql[end] == '\'';
            result += upper && lower && !hexLiteral ? "\"" + word + "\"" : word;
            i = end;
            continue;
        }
        result += c;
        ++i;
    }
    return result;
}

inline std::vector<std::vector<std::string>> sqliteQuery(const std::string& path, const std::string& sql,
                                                         std::string* failure) {
    std::vector<std::vector<std::string>> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        *failure = "cannot open " + path;
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    const char* rest = sql.c_str();
    while (failure->empty() && *rest != '\0') {
        if (sqlite3_prepare_v2(db, rest, -1, &statement, &rest) != SQLITE_OK) {
            *failure = sqlite3_errmsg(db);
            break;
        }
        if (!statement) break;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
            }
            rows.push_back(row);
        }
        if (rc != SQLITE_DONE) *failure = sqlite3_errmsg(db);
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    sqlite3_close(db);
    return rows;
}

inline std::vector<std::vector<std::string>> serverQuery(const std::string& uri, const std::string& sql,
                                                         std::string* failure) {
    std::vector<std::vector<std::string>> rows;
    PGconn* conn = PQconnectdb(uri.c_str());
    if (PQstatus(conn) != CONNECTION_OK) {
        *failure = PQerrorMessage(conn);
    } else {
        PGresult* result = PQexec(conn, sql.c_str());
        const auto status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            *failure = PQresultErrorMessage(result);
        } else {
            for (int r = 0; r < PQntuples(result); ++r) {
                std::vector<std::string> row;
                for (int c = 0; c < PQnfields(result); ++c)
                    row.push_back(PQgetisnull(result, r, c) ? "NULL" : PQgetvalue(result, r, c));
                rows.push_back(row);
            }
        }
        PQclear(result);
    }
    PQfinish(conn);
    return rows;
}

// Every column of every row the statements return, as text ("NULL" for NULL);
// a file is made when missing. A failure fails the test.
inline std::vector<std::vector<std::string>> rawQuery(const std::string& path, const std::string& sql) {
    std::string failure;
    const std::string portable = portableSql(sql);
    auto rows =
        isServerUri(path) ? serverQuery(path, portable, &failure) : sqliteQuery(path, portable, &failure);
    if (!failure.empty()) ADD_FAILURE() << failure << " in " << portable;
    return rows;
}

// true when the engine took the statements; a refusal is no test failure.
inline bool rawExec(const std::string& path, const std::string& sql) {
    std::string failure;
    const std::string portable = portableSql(sql);
    isServerUri(path) ? serverQuery(path, portable, &failure) : sqliteQuery(path, portable, &failure);
    return failure.empty();
}

inline std::string rawScalar(const std::string& path, const std::string& sql) {
    const auto rows = rawQuery(path, sql);
    return rows.empty() || rows[0].empty() ? "" : rows[0][0];
}

inline double rawNumber(const std::string& path, const std::string& sql) {
    return std::stod(rawScalar(path, sql));
}

// The columns of a table in their order.
inline std::vector<std::string> columnNames(const std::string& path, const std::string& table) {
    const std::string sql =
        isServerUri(path)
            ? "SELECT column_name FROM information_schema.columns WHERE table_schema = current_schema() AND "
              "table_name = '" +
                  table + "' ORDER BY ordinal_position"
            : "SELECT name FROM pragma_table_info('" + table + "')";
    std::vector<std::string> names;
    for (const auto& row : rawQuery(path, sql)) names.push_back(row[0]);
    return names;
}

// The columns of an index in their order, and whether it is unique.
inline std::vector<std::string> indexColumns(const std::string& path, const std::string& index,
                                             bool* unique) {
    std::vector<std::string> names;
    if (isServerUri(path)) {
        const std::string where =
            " FROM pg_index i JOIN pg_class c ON c.oid = i.indexrelid WHERE c.relname = '" + index + "'";
        for (const auto& row :
             rawQuery(path,
                      "SELECT a.attname FROM pg_index i JOIN pg_class c ON c.oid = i.indexrelid "
                      "CROSS JOIN LATERAL unnest(i.indkey) WITH ORDINALITY k(attnum, n) "
                      "JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = k.attnum "
                      "WHERE c.relname = '" +
                          index + "' ORDER BY k.n")) {
            names.push_back(row[0]);
        }
        *unique = rawScalar(path, "SELECT i.indisunique" + where) == "t";
    } else {
        for (const auto& row : rawQuery(path, "SELECT name FROM pragma_index_info('" + index + "')"))
            names.push_back(row[0]);
        *unique = rawScalar(path,
                            "SELECT \"unique\" FROM pragma_index_list((SELECT tbl_name FROM sqlite_master "
                            "WHERE name = '" +
                                index + "')) WHERE name = '" + index + "'") == "1";
    }
    return names;
}

// Fresh, empty databases of one engine for one test: files in its scratch
// folder, or databases on the test server (dropped at the end).
class TestStores {
public:
    explicit TestStores(TempDir& folder) : dir(folder) {}

    // false when the engine cannot run here (the server is missing).
    bool available(Engine engine) const { return engine == Engine::Sqlite || !testServerUri().empty(); }

    std::string fresh(Engine engine, const std::string& fileName) {
        if (engine == Engine::Sqlite) return dir.file(fileName);
        databases.push_back(std::make_unique<ScratchDatabase>(testServerUri()));
        if (!databases.back()->error.empty()) ADD_FAILURE() << databases.back()->error;
        return databases.back()->uri();
    }

    // Nothing was created at path: no file, or no table in the database.
    static bool untouched(const std::string& path) {
        if (!isServerUri(path)) return !std::filesystem::exists(path);
        return rawScalar(path, "SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()") == "0";
    }

private:
    TempDir& dir;
    std::vector<std::unique_ptr<ScratchDatabase>> databases;
};

// The parameter database on one engine: the test's parameter, or the file
// engine for the tests of what only a file has.
class ParameterDbTest : public ::testing::TestWithParam<Engine> {
protected:
    virtual Engine engine() const { return GetParam(); }

    void SetUp() override {
        if (!stores.available(engine())) GTEST_SKIP() << kPostgresSkipHelp;
        restoreBuiltinDefinitions();
        resetRecord(record);
        db.pause = nullptr;  // no waiting between open attempts
        path = stores.fresh(engine(), "Orv3.mdb");
    }

    // A new database holding the Default device; the record is reset afterwards.
    void createDatabase() {
        presenter.answer(kAnswerYes);
        ASSERT_EQ(db.openDatabase(path, true), DbResult::Ok);
        db.closeDatabase();
        resetRecord(record);
        presenter.clear();
    }

    DbResult save(const std::string& job, const std::string& ctn, const std::string& status = "Working") {
        return db.saveDevice(job, ctn, status);
    }

    std::vector<ShownBox> errors() const { return presenter.shown(BoxKind::Error); }
    std::vector<ShownBox> warnings() const { return presenter.shown(BoxKind::Warning); }

    TempDir dir;
    TestStores stores{dir};
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    ParameterRecord record;
    ParameterDb db{log, record};
    std::string path;
};

class ParameterDbFileOnly : public ParameterDbTest {
protected:
    Engine engine() const override { return Engine::Sqlite; }
};

}  // namespace orv::test
