// orvctl simulate: the schedule simulation from a deployment date, as CSV
// (channel,epoch,utc) or JSON. A run the watchdog stopped prints the points it
// found, the failure message on stderr, and exits 3.

#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <string>

#include "cli.h"
#include "cli_messages.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

std::string utcText(std::uint32_t epoch) {
    const std::time_t time = epoch;
    std::tm t{};
    gmtime_r(&time, &t);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &t);
    return buffer;
}

void appendCsv(std::string& out, const char* channel, const std::vector<std::uint32_t>& times) {
    for (const std::uint32_t t : times)
        out += std::string(channel) + "," + std::to_string(t) + "," + utcText(t) + "\n";
}

nlohmann::ordered_json eventsJson(const std::vector<std::uint32_t>& times) {
    nlohmann::ordered_json events = nlohmann::ordered_json::array();
    for (const std::uint32_t t : times) events.push_back({{"epoch", t}, {"utc", utcText(t)}});
    return events;
}

int runSimulate(Session& session, const Args& args) {
    SimulationOptions options;
    if (int rc = readSimulationOptions("simulate", args, options); rc != kExitOk) return rc;
    const std::string format = args.value("format").value_or("csv");
    if (format != "csv" && format != "json") return usageError(clitext::simulateFormatUnknown(format));
    SimulationJob job;
    if (int rc = simulateConfiguration(session, args, options, job); rc != kExitOk) return rc;

    std::string out;
    if (format == "csv") {
        out = "channel,epoch,utc\n";
        appendCsv(out, "gps", job.fixes);
        appendCsv(out, "xmit", job.transmissions);
    } else {
        const nlohmann::ordered_json events = {{"gps", eventsJson(job.fixes)},
                                               {"xmit", eventsJson(job.transmissions)}};
        out = events.dump(2) + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return job.stopped ? kExitWatchdog : kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("simulate", runSimulate, {"start", "years", "format"});

}  // namespace orv::cli
