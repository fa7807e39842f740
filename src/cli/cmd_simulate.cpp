// orvctl simulate: the schedule simulation from a deployment date, as CSV
// (channel,epoch,utc) or JSON. A run the watchdog stopped prints the points it
// found, the failure message on stderr, and exits 3.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "cli.h"
#include "image/firmware_table.h"
#include "sim/run_simulation.h"

namespace orv::cli {

namespace {

// "YYYY-MM-DD" as 00:00 UTC of that day; false for anything else.
bool parseDate(const std::string& text, std::time_t& time) {
    int year = 0, month = 0, day = 0;
    char end = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3)
        return false;
    if (year < 1970 || month < 1 || month > 12 || day < 1) return false;
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    time = timegm(&t);
    std::tm back{};
    gmtime_r(&time, &back);
    return back.tm_mday == day && back.tm_mon == month - 1 && time <= 0xFFFFFFFFLL;
}

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

void appendJson(std::string& out, const char* channel, const std::vector<std::uint32_t>& times) {
    out += std::string("\"") + channel + "\": [";
    for (std::size_t i = 0; i < times.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += "    {\"epoch\": " + std::to_string(times[i]) + ", \"utc\": \"" + utcText(times[i]) + "\"}";
    }
    out += times.empty() ? "]" : "\n  ]";
}

int runSimulate(Session& session, const Args& args) {
    if (!args.positional.empty())
        return usageError("'simulate' takes no argument '" + args.positional[0] + "'");
    const auto startText = args.value("start");
    if (!startText) return usageError("'simulate' needs --start YYYY-MM-DD");
    std::time_t start = 0;
    if (!parseDate(*startText, start))
        return usageError("--start wants a date YYYY-MM-DD, not '" + *startText + "'");
    const std::string format = args.value("format").value_or("csv");
    if (format != "csv" && format != "json")
        return usageError("--format is csv or json, not '" + format + "'");
    int years = 0;
    if (const auto yearsText = args.value("years")) {
        char* end = nullptr;
        const long value = std::strtol(yearsText->c_str(), &end, 10);
        years = value >= 1 && value <= 8 && !yearsText->empty() && *end == '\0' ? static_cast<int>(value) : 0;
        if (years == 0)
            return usageError("--years wants a number of years from 1 to 8, not '" + *yearsText + "'");
    }
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    if (years > 0) session.record.general(GeneralRow::SimulationYears) = years;

    SimulationJob job;
    job.firmwareRow = findFirmware(session.record.text(StringRow::FenmodFwVer));
    job.startTime = static_cast<std::uint32_t>(start);
    if (runSimulation(session.record, job, session.log) != 0) return kExitFailed;

    std::string out;
    if (format == "csv") {
        out = "channel,epoch,utc\n";
        appendCsv(out, "gps", job.fixes);
        appendCsv(out, "xmit", job.transmissions);
    } else {
        out = "{\n  ";
        appendJson(out, "gps", job.fixes);
        out += ",\n  ";
        appendJson(out, "xmit", job.transmissions);
        out += "\n}\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return job.stopped ? kExitWatchdog : kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("simulate", runSimulate, {"start", "years", "format"});

}  // namespace orv::cli
