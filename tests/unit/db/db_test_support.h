#pragma once

// Shared pieces of the database tests: a parameter database in a scratch
// folder with scripted answers, and direct SQL on the file to look at what was stored.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "db/parameter_db.h"
#include "model/definitions.h"
#include "model/record.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv::test {

// Every column of every row the statement returns (the file is made when missing), as text ("NULL" for NULL).
inline std::vector<std::vector<std::string>> rawQuery(const std::string& path, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path;
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
    } else {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
            }
            rows.push_back(row);
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

inline std::string rawScalar(const std::string& path, const std::string& sql) {
    const auto rows = rawQuery(path, sql);
    return rows.empty() || rows[0].empty() ? "" : rows[0][0];
}

class ParameterDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        db.pause = nullptr;  // no waiting between open attempts
        path = dir.file("Orv3.mdb");
    }

    // A new database holding the Default device; the record is reset afterwards.
    void createDatabase() {
        presenter.answer(kAnswerYes);
        ASSERT_EQ(db.openDatabase(path, true), 0);
        db.closeDatabase();
        resetRecord(record);
        presenter.clear();
    }

    int save(const std::string& job, const std::string& ctn, const std::string& status = "Working") {
        return db.saveDevice(job, ctn, status);
    }

    std::vector<ShownBox> errors() const { return presenter.shown(BoxKind::Error); }
    std::vector<ShownBox> warnings() const { return presenter.shown(BoxKind::Warning); }

    TempDir dir;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    ParameterRecord record;
    ParameterDb db{log, record};
    std::string path;
};

}  // namespace orv::test
