// orvctl db list|save|read|check|delete|rename|copy|history|restore --db PATH:
// the parameter database, as the window's database buttons, the handler
// utility and the History window use it.

#include <cstdio>
#include <ctime>
#include <map>
#include <nlohmann/json.hpp>

#include "access_check.h"
#include "app/utf8_text.h"
#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "db/parameter_db.h"
#include "db_export.h"
#include "dialogs/handler_utility.h"
#include "login.h"
#include "stored_version.h"
#include "workflow/check_differences.h"
#include "workflow/main_rules.h"
#include "workflow/save_rules.h"

namespace orv::cli {

namespace {

struct DbCommand {
    Session& session;
    const Args& args;
    ParameterDb db;
    std::string job;
    std::string ctn;
    std::string status;

    DbCommand(Session& s, const Args& a, const std::string& path)
        : session(s),
          args(a),
          db(s.log, s.record),
          // Trailing blanks are no part of a Job or CTN, as in the window's lists.
          job(trimTrailingBlanks(a.value("job").value_or(""))),
          ctn(trimTrailingBlanks(a.value("ctn").value_or(""))),
          status(bareStatus(a.value("status").value_or(kStatusWorking))) {
        db.setCurrentPath(path);
    }

    int needKey() const {
        if (job.empty() || ctn.empty()) return usageError(clitext::dbActionNeedsKey(args.positional[0]));
        return kExitOk;
    }

    // The configuration to save or check, from the other sources: here --db
    // names the database the command works on, not a source.
    int loadOwnConfiguration() {
        Args source = args;
        std::erase_if(source.options, [](const auto& option) {
            return option.first == "db" || option.first == "job" || option.first == "ctn" ||
                   option.first == "status";
        });
        return loadConfiguration(session, source);
    }

    int list() {
        std::vector<DeviceKey> devices;
        if (db.listDevices(devices) != DbResult::Ok) return kExitFailed;
        for (const DeviceKey& device : devices) {
            std::printf("%s\t%s\t%s\n", device.job.c_str(), device.ctn.c_str(), device.status.c_str());
        }
        return kExitOk;
    }

    // Save and Delete change the database as the window's buttons do: only for
    // one of the three statuses, and only when the user's level allows it.
    int needEditableKey() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        if (!isDeviceStatus(status)) return usageError(clitext::statusUnknown(status));
        if (int rc = logIn(session, args); rc != kExitOk) return rc;
        return checkDatabaseEdit(session, args.positional[0], status, job);
    }

    // The question a save asks: the sign-off of a "Working" device is asked for
    // by --sign-off only (never by --yes, which also answers the overwrite);
    // the by-hand "Programmed" save is a question like any other.
    int answerSaveQuestion(SaveQuestion question, bool& yes) {
        yes = false;
        const bool signOff = args.has("sign-off");
        if (signOff && saveQuestion(kStatusWorking, session.user.mask) != SaveQuestion::SignOff) {
            reportFailure(clitext::cannotSignOff(session.user.name, session.user.level));
            return kExitUsage;
        }
        if (signOff && status == kStatusProgrammed) return usageError(clitext::kSignOffWithStatus);
        if (question == SaveQuestion::SignOff) {
            yes = signOff;
        } else if (question == SaveQuestion::MarkProgrammed) {
            yes = session.log.choice(saveQuestionText(question),
                                     session.record.text(StringRow::UserName).c_str()) == kAnswerYes;
            if (!yes) {
                reportFailure(clitext::kNothingSavedAsProgrammed);
                return kExitFailed;
            }
        }
        return kExitOk;
    }

    int save() {
        if (int rc = needEditableKey(); rc != kExitOk) return rc;
        if (int rc = loadOwnConfiguration(); rc != kExitOk) return rc;
        return store(HistoryAction::Save);
    }

    // The record under the key and status, by the save rules of the user.
    int store(HistoryAction action) {
        const SaveQuestion question = saveQuestion(status, session.user.mask);
        bool yes = false;
        if (int rc = answerSaveQuestion(question, yes); rc != kExitOk) return rc;
        const SaveOutcome outcome =
            applySaveRules(session.record, status, session.user.mask, yes, std::time(nullptr));
        // A declined overwrite saved nothing: the command did not do what it was asked.
        return db.saveDevice(job, ctn, outcome.status, action) == DbResult::Ok && !db.saveDeclined()
                   ? kExitOk
                   : kExitFailed;
    }

    // The versions of the Job and CTN (of one status with --status), oldest first.
    int history() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        const std::string format = args.value("format").value_or("text");
        if (format != "text" && format != "json") return usageError(clitext::formatUnknown(format));
        std::vector<DeviceVersion> versions;
        if (db.deviceHistory(job, ctn, args.has("status") ? status : "", versions) != DbResult::Ok)
            return kExitFailed;
        if (format == "text") {
            for (const DeviceVersion& v : versions) {
                std::printf("%d\t%s\t%s\t%s\t%s\n", v.version, v.key.status.c_str(), v.action.c_str(),
                            v.user.c_str(), v.time.c_str());
            }
            return kExitOk;
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const DeviceVersion& v : versions) {
            list.push_back({{"version", v.version},
                            {"status", asUtf8(v.key.status)},
                            {"action", asUtf8(v.action)},
                            {"user", asUtf8(v.user)},
                            {"time", asUtf8(v.time)}});
        }
        std::printf("%s\n", list.dump(2).c_str());
        return kExitOk;
    }

    // A version from the history stored again as the device of its status, by
    // the save rules of the user, as a save would.
    int restore() {
        if (!args.has("version")) return usageError(clitext::kRestoreNeedsVersion);
        if (int rc = needKey(); rc != kExitOk) return rc;
        if (int rc = logIn(session, args); rc != kExitOk) return rc;
        DeviceVersion found;
        if (int rc = loadStoredVersion(db, args, job, ctn, found); rc != kExitOk) return rc;
        status = found.key.status;
        if (int rc = checkDatabaseEdit(session, "db restore", status, job); rc != kExitOk) return rc;
        return store(HistoryAction::Restore);
    }

    // Read is "show" of the stored device: the --db source does the reading.
    int read() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        Args show = args;
        show.command = "show";
        show.positional.clear();
        return commandTable().at("show").run(session, show);
    }

    int check() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        if (int rc = loadOwnConfiguration(); rc != kExitOk) return rc;
        // --all: every difference, not only the first the check names. The key
        // is the stored device's own, as the window's fields show it.
        if (args.flag("all")) {
            ParameterRecord shown = session.record;
            shown.text(StringRow::JobNumber) = job;
            shown.text(StringRow::CtnNumber) = ctn;
            shown.text(StringRow::DevStatus) = status;
            std::fputs(differenceLines(storedDifferences(db, job, ctn, status, shown)).c_str(), stdout);
        }
        if (db.readDevice(job, ctn, status, ReadMode::Check) != DbResult::Ok) return kExitFailed;
        session.log.information("%s", clitext::kSameAsDatabase);
        return kExitOk;
    }

    int remove() {
        if (int rc = needEditableKey(); rc != kExitOk) return rc;
        const DbResult rc = db.deleteDevice(job, ctn, status);
        if (rc == DbResult::Ok) {
            session.log.information("%s", clitext::deviceDeleted(job, ctn, status).c_str());
            return kExitOk;
        }
        if (rc == DbResult::NotFound) {
            session.log.information("%s", clitext::deviceNotInDatabase(job, ctn, status).c_str());
        }
        return kExitFailed;
    }

    int rename() {
        const std::string newJob = args.value("new-job").value_or("");
        if (job.empty() || newJob.empty()) return usageError(clitext::kRenameNeedsJobs);
        const std::string newCtn = args.value("new-ctn").value_or(ctn);
        // The window's two Change buttons, each for the level it is shown and enabled for.
        if (int rc = logIn(session, args); rc != kExitOk) return rc;
        if (newJob != job) {
            if (int rc = checkControl(session, ControlRow::ChangeJob, "db rename", clitext::kChangeJobAction);
                rc != kExitOk)
                return rc;
        }
        if (newCtn != ctn) {
            if (int rc = checkControl(session, ControlRow::ChangeCtn, "db rename", clitext::kChangeCtnAction);
                rc != kExitOk)
                return rc;
        }
        return db.changeDevice(job, ctn, newJob, newCtn) == DbResult::Ok ? kExitOk : kExitFailed;
    }

    int exportCsv() { return exportDevicesCsv(session, args, db); }

    // Make DB: every stored device into the file --to names.
    int copy() {
        const std::string target = args.value("to").value_or("");
        if (target.empty()) return usageError(clitext::kCopyNeedsTarget);
        VectorChoiceList jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList;
        HandlerUtility utility(db, session.log,
                               {jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList});
        utility.open();
        utility.listAllJobs();
        utility.targetName = target;
        const MakeDbResult result = utility.makeDb();
        std::printf("%d devices copied, %zu failed, %zu not copied\n", result.copied, result.failed.size(),
                    result.declined.size());
        for (const auto& [word, devices] :
             {std::pair{"failed", &result.failed}, std::pair{"not copied", &result.declined}}) {
            for (const DeviceKey& device : *devices) {
                std::printf("%s\t%s\t%s\t%s\n", word, device.job.c_str(), device.ctn.c_str(),
                            device.status.c_str());
            }
        }
        return result.failed.empty() && result.declined.empty() ? kExitOk : kExitFailed;
    }
};

int runDb(Session& session, const Args& args) {
    if (args.positional.size() != 1) return usageError(clitext::kDbNeedsAction);
    const std::string path = args.value("db").value_or("");
    if (path.empty()) return usageError(clitext::kDbCommandNeedsPath);
    DbCommand command(session, args, path);
    const std::map<std::string, int (DbCommand::*)()> actions = {
        {"list", &DbCommand::list},        {"save", &DbCommand::save},       {"read", &DbCommand::read},
        {"check", &DbCommand::check},      {"delete", &DbCommand::remove},   {"rename", &DbCommand::rename},
        {"copy", &DbCommand::copy},        {"history", &DbCommand::history}, {"restore", &DbCommand::restore},
        {"export", &DbCommand::exportCsv},
    };
    const auto action = actions.find(args.positional[0]);
    if (action == actions.end()) return usageError(clitext::unknownDbAction(args.positional[0]));
    return (command.*(action->second))();
}

}  // namespace

ORV_CLI_COMMAND("db", runDb,
                {"new-job", "new-ctn", "to", "sign-off", "format", "columns", "delimiter", "o", "all"},
                {"json", "sign-off", "all"});

}  // namespace orv::cli
