// orvctl doctor [--port PATH]... [--format text|json]: checks this computer
// for what stands between the user and a programmed collar; exit 1 when a
// check failed.

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "host_checks.h"
#include "json_text.h"

namespace orv::cli {

namespace {

std::string doctorJson(const std::vector<DoctorCheck>& checks) {
    std::string out = "{\"checks\": [";
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const DoctorCheck& check = checks[i];
        out += i == 0 ? "\n" : ",\n";
        out += "  {\"name\": " + jsonString(check.name) +
               ", \"status\": " + jsonString(statusName(check.status)) +
               ", \"detail\": " + jsonString(check.detail) + ", \"fix\": " + jsonString(check.fix) + "}";
    }
    return out + "\n]}\n";
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
