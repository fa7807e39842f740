#include "sim_options.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "cli_messages.h"
#include "image/firmware_table.h"

namespace orv::cli {

bool parseDate(const std::string& text, std::uint32_t& time) {
    int year = 0, month = 0, day = 0;
    char end = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3)
        return false;
    if (year < 1970 || month < 1 || month > 12 || day < 1) return false;
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    const std::time_t value = timegm(&t);
    std::tm back{};
    gmtime_r(&value, &back);
    if (back.tm_mday != day || back.tm_mon != month - 1 || value > 0xFFFFFFFFLL) return false;
    time = static_cast<std::uint32_t>(value);
    return true;
}

int readSimulationOptions(const std::string& command, const Args& args, SimulationOptions& options) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument(command, args.positional[0]));
    const auto startText = args.value("start");
    if (!startText) return usageError(clitext::needsStart(command));
    if (!parseDate(*startText, options.start)) return usageError(clitext::startNotDate(*startText));
    options.years = 0;
    if (const auto yearsText = args.value("years")) {
        char* end = nullptr;
        const long value = std::strtol(yearsText->c_str(), &end, 10);
        options.years =
            value >= 1 && value <= 8 && !yearsText->empty() && *end == '\0' ? static_cast<int>(value) : 0;
        if (options.years == 0) return usageError(clitext::yearsOutOfRange(*yearsText));
    }
    return kExitOk;
}

int simulateConfiguration(Session& session, const Args& args, const SimulationOptions& options,
                          SimulationJob& job) {
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;
    if (options.years > 0) session.record.general(GeneralRow::SimulationYears) = options.years;
    job.firmwareRow = findFirmware(session.record.text(StringRow::FenmodFwVer));
    job.startTime = options.start;
    return runSimulation(session.record, job, session.log) == 0 ? kExitOk : kExitFailed;
}

}  // namespace orv::cli
