// The parameter and password databases: they open, a server answers (and how
// fast), and their tables are there. Only looked at: nothing is created or
// upgraded, and no question is asked.

#include <chrono>
#include <filesystem>

#include "db/database_uri.h"
#include "db/engine.h"
#include "support/doctor.h"
#include "support/support_messages.h"

namespace orv {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

DoctorCheck checkDatabase(const char* which, const char* settingKey, const std::string& path,
                          const std::vector<std::string>& tables) {
    const bool server = isServerUri(path);
    DoctorCheck check{doctortext::databaseName(which, displayName(path)), CheckStatus::Ok, "", ""};
    std::error_code error;
    if (!server && !std::filesystem::exists(path, error)) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::kDatabaseFileAbsent;
        check.fix = doctortext::databaseFileAbsentFix(settingKey);
        return check;
    }
    EngineError engineError;
    const Clock::time_point start = Clock::now();
    const std::unique_ptr<DbConnection> connection = databaseEngine().open(path, engineError);
    const double connectMs = millisecondsSince(start);
    if (!connection) {
        check.status = CheckStatus::Failed;
        check.detail = doctortext::databaseOpenFailed(engineError.description);
        check.fix =
            server ? doctortext::serverOpenFailedFix(settingKey) : doctortext::fileOpenFailedFix(path);
        return check;
    }
    // One question to the server and back: the round trip every save and read pays.
    const Clock::time_point asked = Clock::now();
    bool present = false;
    std::vector<std::string> missing;
    for (const std::string& table : tables) {
        if (connection->tableExists(table, present) != 0) {
            check.status = CheckStatus::Failed;
            check.detail = doctortext::databaseOpenFailed(connection->lastError().description);
            check.fix =
                server ? doctortext::serverOpenFailedFix(settingKey) : doctortext::fileOpenFailedFix(path);
            return check;
        }
        if (!present) missing.push_back(table);
    }
    const double roundTripMs =
        millisecondsSince(asked) / static_cast<double>(tables.empty() ? 1 : tables.size());
    if (!missing.empty()) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::databaseTablesMissing(joined(missing));
        check.fix = doctortext::kDatabaseTablesMissingFix;
        return check;
    }
    check.detail = server ? doctortext::serverDatabaseOk(connectMs, roundTripMs, joined(tables))
                          : doctortext::fileDatabaseOk(joined(tables));
    return check;
}

}  // namespace orv
