// The lists the window, the lookup dialogs and the handler utility fill from
// the parameter database.

#include <cerrno>
#include <cstdlib>

#include "app/format_text.h"
#include "db/column_values.h"
#include "db/db_messages.h"
#include "db/parameter_db.h"
#include "db/query.h"
#include "model/lists.h"

namespace orv {
namespace {

// A list column must hold texts; any other kind than NULL stops the filling (1).
using TextVisitor = std::function<int(const std::string&)>;
std::function<int(const DbStatement&)> texts(const TextVisitor& visit) {
    return [visit](const DbStatement& row) {
        const auto text = textFromColumn(row.column(0));
        return text ? visit(*text) : 1;
    };
}

std::string column(const char* name) {
    return quoteName(name);
}
std::string fromGeneral() {
    return " FROM " + quoteName(kGeneralTable);
}
std::string whereEquals(const char* name) {
    return " WHERE " + column(name) + " = ?";
}
std::string andEquals(const char* name) {
    return " AND " + column(name) + " = ?";
}

// The distinct texts of a column of the general table, sorted (a server returns
// DISTINCT rows in no particular order). Of several spellings of one text, the
// list shows that of the first device in key order.
DistinctTexts distinct(const char* name, std::string where = "") {
    DistinctTexts list{kGeneralTable, name, std::move(where), {}};
    for (const char* key : {kJobColumn, kCtnColumn, kStatusColumn}) {
        if (std::string_view(key) != name) list.thenBy.emplace_back(key);
    }
    return list;
}

constexpr const char* kCustomerColumn = "Customer";
constexpr const char* kPttIdColumn = "PttIdCode";

}  // namespace

TextList ParameterDb::storedStatuses(const std::string& job, const std::string& ctn) {
    if (reopenDatabase() != DbResult::Ok) return {{}, false, false};
    WaitCursor wait(waitIndicator);
    TextList read;
    const int rc = forEachRow(
        *database,
        "SELECT " + column(kStatusColumn) + fromGeneral() + whereEquals(kJobColumn) + andEquals(kCtnColumn),
        {DbValue::ofText(job), DbValue::ofText(ctn)}, texts([&](const std::string& status) {
            read.texts.push_back(status);
            return 0;
        }));
    read.complete = finish(rc == kEngineFailed ? engineFailure(dbtext::kReadFailed)
                           : rc != 0           ? DbResult::Failed
                                               : DbResult::Ok) == DbResult::Ok;
    return read;
}

JobAndCtnTexts ParameterDb::jobAndCtnNumbers(std::string job) {
    JobAndCtnTexts read;
    if (reopenDatabase() != DbResult::Ok) {
        read.jobs = {{}, false, false};
        return read;
    }
    WaitCursor wait(waitIndicator);
    int rc = forEachRow(*database, database->distinctTextsSql(distinct(kJobColumn)), {},
                        texts([&](const std::string& value) {
                            if (read.jobs.texts.empty() && job.empty()) job = value;
                            read.jobs.texts.push_back(value);
                            return 0;
                        }));
    if (rc == 0 && !read.jobs.texts.empty()) {
        read.jobChosen = true;
        read.job = job;
        rc = forEachRow(*database, database->distinctTextsSql(distinct(kCtnColumn, whereEquals(kJobColumn))),
                        {DbValue::ofText(job)}, texts([&](const std::string& value) {
                            read.ctns.texts.push_back(value);
                            return 0;
                        }));
    }
    const DbResult result = finish(rc == kEngineFailed ? engineFailure(dbtext::kReadFailed)
                                   : rc != 0           ? DbResult::Failed
                                                       : DbResult::Ok);
    if (result != DbResult::Ok) (read.jobChosen ? read.ctns : read.jobs).complete = false;
    return read;
}

TextList ParameterDb::distinctLookup(const DistinctTexts& texts, std::initializer_list<DbValue> values) {
    if (reopenDatabase() != DbResult::Ok) return {{}, false, false};
    return readLookup(database->distinctTextsSql(texts), values, false);
}

// The open database's answer to sql; closes it.
TextList ParameterDb::readLookup(const std::string& sql, std::initializer_list<DbValue> values, bool pttIds) {
    WaitCursor wait(waitIndicator);
    TextList read;
    const int rc = forEachRow(*database, sql, values, [&](const DbStatement& row) {
        const DbValue value = row.column(0);
        if (value.type == DbValue::Type::Null) return 0;
        if (pttIds) {
            if (value.type != DbValue::Type::Integer) return 1;
            read.texts.push_back(formatText("%05d", static_cast<int>(value.integer)));
            return 0;
        }
        const auto text = textFromColumn(value);
        if (!text) return 1;
        if (!text->empty()) read.texts.push_back(*text);
        return 0;
    });
    read.complete = finish(rc == kEngineFailed ? engineFailure(dbtext::kReadFailed)
                           : rc != 0           ? DbResult::Failed
                                               : DbResult::Ok) == DbResult::Ok;
    return read;
}

TextList ParameterDb::lookupCustomers() {
    return distinctLookup(distinct(kCustomerColumn), {});
}

TextList ParameterDb::lookupJobsOfCustomer(const std::string& customer) {
    return distinctLookup(distinct(kJobColumn, whereEquals(kCustomerColumn)), {DbValue::ofText(customer)});
}

TextList ParameterDb::lookupCtnsOfJobAndCustomer(const std::string& job, const std::string& customer) {
    return distinctLookup(distinct(kCtnColumn, whereEquals(kJobColumn) + andEquals(kCustomerColumn)),
                          {DbValue::ofText(job), DbValue::ofText(customer)});
}

TextList ParameterDb::lookupStatusesOfJobAndCtn(const std::string& job, const std::string& ctn) {
    return distinctLookup(distinct(kStatusColumn, whereEquals(kJobColumn) + andEquals(kCtnColumn)),
                          {DbValue::ofText(job), DbValue::ofText(ctn)});
}

TextList ParameterDb::lookupCtns() {
    return distinctLookup(distinct(kCtnColumn), {});
}

TextList ParameterDb::lookupPttIds() {
    if (reopenDatabase() != DbResult::Ok) return {{}, false, false};
    return readLookup(
        "SELECT DISTINCT " + column(kPttIdColumn) + fromGeneral() + " ORDER BY " + column(kPttIdColumn), {},
        true);
}

TextList ParameterDb::lookupCtnsOfPttId(const std::string& pttId) {
    // The PTT ID comes as the list shows it ("01234"); it is compared as a number.
    // A text that is no number matches no stored PTT ID: it is bound as NULL, as
    // a typed server column refuses to compare a number with such a text.
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(pttId.c_str(), &end, 10);
    const bool isNumber = !pttId.empty() && end != nullptr && *end == '\0' && errno == 0;
    return distinctLookup(distinct(kCtnColumn, whereEquals(kPttIdColumn)),
                          {isNumber ? DbValue::ofInteger(number) : DbValue::null()});
}

TextList ParameterDb::lookupJobsOfCtn(const std::string& ctn) {
    return distinctLookup(distinct(kJobColumn, whereEquals(kCtnColumn)), {DbValue::ofText(ctn)});
}

TextList ParameterDb::lookupStatusesOfCtn(const std::string& ctn) {
    return distinctLookup(distinct(kStatusColumn, whereEquals(kCtnColumn)), {DbValue::ofText(ctn)});
}

DbResult ParameterDb::listDevices(std::vector<DeviceKey>& devices) {
    devices.clear();
    if (reopenDatabase() != DbResult::Ok) return DbResult::Failed;
    WaitCursor wait(waitIndicator);
    const int rc =
        forEachRow(*database,
                   "SELECT " + column(kJobColumn) + ", " + column(kCtnColumn) + ", " + column(kStatusColumn) +
                       fromGeneral() + " ORDER BY " + database->textOrderSql(kJobColumn) + ", " +
                       database->textOrderSql(kCtnColumn) + ", " + database->textOrderSql(kStatusColumn),
                   {}, [&](const DbStatement& row) {
                       devices.push_back({textFromColumn(row.column(0)).value_or(""),
                                          textFromColumn(row.column(1)).value_or(""),
                                          textFromColumn(row.column(2)).value_or("")});
                       return 0;
                   });
    return finish(rc == kEngineFailed ? engineFailure(dbtext::kReadFailed) : DbResult::Ok);
}

}  // namespace orv
