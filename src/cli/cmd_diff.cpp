// orvctl diff OLD NEW: every difference between two configurations, each a
// .ppf file, a collar, a stored device or the defaults, with what the change
// does to the deployment. --set, --raw and --reset act on NEW. The exit status
// is diff(1)'s: 0 the same, 1 different, 2 trouble.

#include <cstdio>
#include <ctime>

#include "app/energy_settings.h"
#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "collar_session.h"
#include "config_source.h"
#include "difference_output.h"
#include "login.h"

namespace orv::cli {

namespace {

constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

// OLD and NEW name the configurations; a source option would be a third.
int refuseSourceOptions(const Args& args) {
    for (const SourceEntry& source : sourceTable()) {
        if (source.option != "db" && args.has(source.option))
            return usageError(clitext::diffTakesNoSourceOption(source.option));
    }
    return kExitOk;
}

int load(Session& session, const Args& args, const SourceSpec& wanted, const ParameterRecord& base,
         Configuration& out) {
    const int rc = loadSource(session, args, wanted, base, out);
    if (rc == kExitOk) return kExitOk;
    if (rc != kExitUsage) reportFailure(clitext::sourceUnreadable(wanted.text));
    return kExitTrouble;
}

int runDiff(Session& session, const Args& args) {
    if (args.positional.size() != 2) return usageError(clitext::kDiffNeedsTwo);
    const std::string format = args.value("format").value_or("text");
    if (format != "text" && format != "json") return usageError(clitext::budgetFormatUnknown(format));
    if (const int rc = refuseSourceOptions(args); rc != kExitOk) return rc;
    std::string error;
    const auto oldSpec = parseSourceSpec(args.positional[0], error);
    if (!oldSpec) return usageError(error);
    const auto newSpec = parseSourceSpec(args.positional[1], error);
    if (!newSpec) return usageError(error);
    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    if (logIn(session, args) != kExitOk) return kExitTrouble;

    const ParameterRecord base = session.record;
    Configuration oldSide;
    Configuration newSide;
    if (const int rc = load(session, args, *oldSpec, base, oldSide); rc != kExitOk) return rc;
    if (const int rc = load(session, args, *newSpec, base, newSide); rc != kExitOk) return rc;
    if (applyEdits(session, args) != kExitOk) return kExitTrouble;
    newSide.record = session.record;

    const std::vector<Difference> differences = compareConfigurations(oldSide, newSide);
    const EnergySettings energy = readEnergySettings(session.settingsFile, session.log);
    const ChangeImpact impact =
        changeImpact(oldSide.record, newSide.record, std::time(nullptr), energy, session.log);
    const std::string out = format == "json"
                                ? differencesJson(differences, impact)
                                : differencesText(differences, differences.empty() ? nullptr : &impact);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return differences.empty() ? kExitOk : kExitDifferent;
}

}  // namespace

ORV_CLI_COMMAND("diff", runDiff, {"format", ORV_CLI_LINE_OPTIONS}, {"single-pin"});

}  // namespace orv::cli
