// --json FILE: the configuration of a JSON file as 'export --format json'
// writes it. Only that schema is taken; a file with another schema version, a
// value outside its parameter's limits or anything unknown is refused whole
// with its line and key, and the configuration stays as it was.

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "files/configuration_json.h"
#include "fleet_messages.h"

namespace orv::cli {

namespace {

int loadJson(Session& session, const Args& args) {
    std::string path;
    for (const std::string& value : args.values("json"))
        if (!value.empty()) path = value;
    std::string text;
    if (!readWholeFile(path, text) || text.empty()) {
        reportFailure(clitext::cannotRead(path));
        return kExitFailed;
    }
    JsonReadProblem problem;
    if (!readConfigurationJson(text, session.record, problem)) {
        reportFailure(clitext::jsonProblem(path, problem.line, problem.key, problem.what));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

ORV_CLI_SOURCE("json", loadJson);

}  // namespace orv::cli
