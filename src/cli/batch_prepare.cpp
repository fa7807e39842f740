#include "batch_prepare.h"

#include <sys/stat.h>

#include <map>

#include "cli_messages.h"
#include "db/parameter_db.h"
#include "fleet_messages.h"
#include "typed_entry.h"
#include "write_consent.h"

namespace orv::cli {

namespace {

bool isCharacterDevice(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

// A session of its own for one line: the same user, answers and settings, the
// line's configuration.
void copyUser(const Session& from, Session& to) {
    to.presenter.forcedAnswer = from.presenter.forcedAnswer;
    to.settingsFile = from.settingsFile;
    to.user = from.user;
    to.loggedIn = from.loggedIn;
}

}  // namespace

int prepareCollars(const Session& session, const Args& args, const BatchManifest& manifest,
                   const BatchSource& source, std::vector<PreparedCollar>& prepared) {
    prepared.clear();
    bool manifestFaults = false;
    bool refused = false;
    bool absent = false;
    std::map<double, int> pttIdLines;  // the first line of each PTT ID code
    for (const BatchEntry& entry : manifest.entries) {
        if (source.done.count(entry.line)) continue;
        const std::string where = source.manifestPath + ": line " + std::to_string(entry.line);
        const auto fault = [&](const std::string& problem) {
            reportFailure(clitext::manifestLineProblem(source.manifestPath, entry.line, problem));
            manifestFaults = true;
        };
        // What this computer or the database lacks, not the manifest: exit 1.
        const auto missing = [&](const std::string& problem) {
            reportFailure(clitext::manifestLineProblem(source.manifestPath, entry.line, problem));
            absent = true;
        };
        if (!isCharacterDevice(entry.port)) missing(clitext::portNotSerial(entry.port));
        Session line;
        copyUser(session, line);
        line.record = session.record;
        if (source.templateRecord != nullptr) {
            line.record = *source.templateRecord;
        } else {
            ParameterDb db(line.log, line.record);
            db.setCurrentPath(source.dbPath);
            if (db.readDevice(entry.job, entry.ctn, entry.status, ReadMode::Load) != DbResult::Ok) {
                missing(clitext::deviceNotStored(entry.job, entry.ctn, entry.status, source.dbPath));
                continue;
            }
        }
        TypedEntry typing(line);
        bool typed = true;
        for (std::size_t c = 0; c < manifest.columns.size(); ++c) {
            const std::string& text = entry.cells[c];
            if (text.empty()) continue;
            const ManifestColumn& column = manifest.columns[c];
            if (typeParameter(line, typing, column.key, text, where) != kExitOk) {
                fault(clitext::cellNotTaken(column.name, text));
                typed = false;
            }
        }
        if (!typed) continue;
        // "1001" and "01001" are two texts but one PTT ID code.
        for (std::size_t c = 0; c < manifest.columns.size(); ++c) {
            const ManifestColumn& column = manifest.columns[c];
            if (entry.cells[c].empty() || column.key.table != DefinitionTable::General ||
                column.key.row != GeneralRow::PttIdCode)
                continue;
            const auto [first, fresh] =
                pttIdLines.emplace(line.record.general(GeneralRow::PttIdCode), entry.line);
            if (!fresh) fault(clitext::samePttIdCode(column.name, entry.cells[c], first->second));
        }
        // The line names the collar: the save and the archive go by these.
        line.record.text(StringRow::JobNumber) = entry.job;
        line.record.text(StringRow::CtnNumber) = entry.ctn;
        line.record.text(StringRow::UserName) = session.user.name;
        PreparedCollar collar{&entry, line.record, false};
        WritePlan plan;
        if (confirmWrite(line, collar.record, args, where, true, plan) != kExitOk) {
            refused = true;
            continue;
        }
        collar.rootIdFlag = plan.rootIdFlag;
        prepared.push_back(std::move(collar));
    }
    if (manifestFaults) return kExitUsage;
    return refused || absent ? kExitFailed : kExitOk;
}

}  // namespace orv::cli
