// orvctl doctor [--port PATH]... [--format text|json]: checks this computer
// for what stands between the user and a programmed collar; exit 1 when a
// check failed.

#include <cstdio>
#include <nlohmann/json.hpp>

#include "app/utf8_text.h"
#include "cli.h"
#include "cli_messages.h"
#include "host_checks.h"

namespace orv::cli {

namespace {

std::string doctorJson(const std::vector<DoctorCheck>& checks) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const DoctorCheck& check : checks) {
        list.push_back({{"name", asUtf8(check.name)},
                        {"status", statusName(check.status)},
                        {"detail", asUtf8(check.detail)},
                        {"fix", asUtf8(check.fix)}});
    }
    return nlohmann::ordered_json{{"checks", std::move(list)}}.dump(2) + "\n";
}

int runDoctor(Session&, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("doctor", args.positional[0]));
    const std::string format = args.value("format").value_or("text");
    if (format != "text" && format != "json") return usageError(clitext::budgetFormatUnknown(format));
    const std::vector<DoctorCheck> checks = checkThisComputer(args.values("port"));
    const std::string out = format == "json" ? doctorJson(checks) : doctorText(checks);
    std::fputs(out.c_str(), stdout);
    return anyFailed(checks) ? kExitFailed : kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("doctor", runDoctor, {"port", "format"});

}  // namespace orv::cli
