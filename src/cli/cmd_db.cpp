// orvctl db list|save|read|check|delete|rename|copy --db PATH: the parameter
// database, as the window's database buttons and the handler utility use it.

#include <cstdio>
#include <map>

#include "cli.h"
#include "cli_registry.h"
#include "db/handler_utility.h"
#include "db/parameter_db.h"

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
          job(a.value("job").value_or("")),
          ctn(a.value("ctn").value_or("")),
          status(a.value("status").value_or(kWorkingStatus)) {
        db.setCurrentPath(path);
    }

    int needKey() const {
        if (job.empty() || ctn.empty())
            return usageError("'db " + args.positional[0] + "' needs --job and --ctn");
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
        if (db.listDevices(devices) != 0) return kExitFailed;
        for (const DeviceKey& device : devices) {
            std::printf("%s\t%s\t%s\n", device.job.c_str(), device.ctn.c_str(), device.status.c_str());
        }
        return kExitOk;
    }

    int save() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        if (int rc = loadOwnConfiguration(); rc != kExitOk) return rc;
        // A declined overwrite saved nothing: the command did not do what it was asked.
        return db.saveDevice(job, ctn, status) == 0 && !db.saveDeclined() ? kExitOk : kExitFailed;
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
        if (db.readDevice(job, ctn, status, kCheckDevice) != 0) return kExitFailed;
        session.log.information("The screen information is the same as the data in the database.");
        return kExitOk;
    }

    int remove() {
        if (int rc = needKey(); rc != kExitOk) return rc;
        const int rc = db.deleteDevice(job, ctn, status);
        if (rc == 0) {
            session.log.information(
                "Job #: '%s', Ctn #: '%s', Status: '%s' has been deleted from the database", job.c_str(),
                ctn.c_str(), status.c_str());
            return kExitOk;
        }
        if (rc < 0) {
            session.log.information("Job #: '%s', Ctn #: '%s', Status: '%s' was not found in the database",
                                    job.c_str(), ctn.c_str(), status.c_str());
        }
        return kExitFailed;
    }

    int rename() {
        const std::string newJob = args.value("new-job").value_or("");
        if (job.empty() || newJob.empty()) return usageError("'db rename' needs --job and --new-job");
        const std::string newCtn = args.value("new-ctn").value_or(ctn);
        return db.changeDevice(job, ctn, newJob, newCtn) == 0 ? kExitOk : kExitFailed;
    }

    // Make DB: every stored device into the file --to names.
    int copy() {
        const std::string target = args.value("to").value_or("");
        if (target.empty()) return usageError("'db copy' needs --to PATH2");
        VectorChoiceList jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList;
        HandlerUtility utility(db, session.log,
                               {jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList});
        utility.open();
        utility.listAllJobs();
        utility.targetName = target;
        const MakeDbResult result = utility.makeDb();
        std::printf("%d devices copied, %zu failed, %zu not copied\n", result.copied, result.failed.size(),
                    result.declined.size());
        for (const auto& [word, devices] : {std::pair{"failed", &result.failed},
                                            std::pair{"not copied", &result.declined}}) {
            for (const DeviceKey& device : *devices) {
                std::printf("%s\t%s\t%s\t%s\n", word, device.job.c_str(), device.ctn.c_str(),
                            device.status.c_str());
            }
        }
        return result.failed.empty() && result.declined.empty() ? kExitOk : kExitFailed;
    }
};

int runDb(Session& session, const Args& args) {
    if (args.positional.size() != 1)
        return usageError("'db' needs one of list, save, read, check, delete, rename, copy");
    const std::string path = args.value("db").value_or("");
    if (path.empty()) return usageError("'db' needs --db PATH");
    DbCommand command(session, args, path);
    const std::map<std::string, int (DbCommand::*)()> actions = {
        {"list", &DbCommand::list},   {"save", &DbCommand::save},     {"read", &DbCommand::read},
        {"check", &DbCommand::check}, {"delete", &DbCommand::remove}, {"rename", &DbCommand::rename},
        {"copy", &DbCommand::copy},
    };
    const auto action = actions.find(args.positional[0]);
    if (action == actions.end()) return usageError("unknown 'db' action '" + args.positional[0] + "'");
    return (command.*(action->second))();
}

}  // namespace

ORV_CLI_COMMAND("db", runDb, {"new-job", "new-ctn", "to"}, {"json"});

}  // namespace orv::cli
