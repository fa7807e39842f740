// orvctl fleet check --manifest FILE.csv --db PATH: is every collar of a
// manifest still what the database says was programmed into it? Each line's
// collar is read on its port and compared with its stored "Programmed" device,
// with the difference list of orvctl diff. Nothing is written, to the collars
// or to the database. 0 when every collar matches, 1 otherwise.

#include <cstdio>

#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "collar_session.h"
#include "config_source.h"
#include "difference_output.h"
#include "fleet_messages.h"
#include "image/firmware_table.h"
#include "json_layout.h"
#include "login.h"
#include "manifest_option.h"
#include "workflow/device_jobs.h"
#include "workflow/main_rules.h"

namespace orv::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kSame = "same";
constexpr const char* kDifferent = "different";
constexpr const char* kNotStored = "not stored";
constexpr const char* kNotRead = "not read";
constexpr const char* kNotChecked = "not checked";

struct CollarCheck {
    const BatchEntry* entry;
    std::string result;
    std::vector<Difference> differences;
};

CollarCheck checkCollar(Session& session, const Args& args, const ParameterRecord& base,
                        const BatchEntry& entry) {
    CollarCheck check{&entry, kSame, {}};
    SourceSpec storedSpec;
    storedSpec.kind = SourceSpec::Kind::Db;
    storedSpec.job = entry.job;
    storedSpec.ctn = entry.ctn;
    storedSpec.status = kStatusProgrammed;
    Configuration stored;
    if (loadSource(session, args, storedSpec, base, stored) != kExitOk) {
        check.result = kNotStored;
        return check;
    }
    SourceSpec collarSpec;
    collarSpec.kind = SourceSpec::Kind::Device;
    collarSpec.path = entry.port;
    Configuration collar;
    if (loadSource(session, args, collarSpec, base, collar) != kExitOk) {
        check.result = kNotRead;
        return check;
    }
    // Write Device programs the configuration, never the factory area: what
    // the factory set there is no drift.
    const std::string& version = collar.record.text(StringRow::FenmodFwVer);
    collar.held = HeldRows::ofProgrammed(findFirmware(version), readTakesFactoryArea(version)
                                                                    ? findFactoryFirmware(version)
                                                                    : kFirmwareNotSupported);
    check.differences = compareConfigurations(stored, collar);
    if (!check.differences.empty()) check.result = kDifferent;
    return check;
}

std::string checksText(const std::vector<CollarCheck>& checks) {
    std::string out;
    for (const CollarCheck& check : checks) {
        const BatchEntry& e = *check.entry;
        std::string what = check.result;
        if (check.result == kDifferent) what = clitext::differenceCount(check.differences.size());
        if (check.result == kNotStored) what = clitext::kNoProgrammedDevice;
        if (check.result == kNotRead) what = clitext::kCollarNotRead;
        out += clitext::fleetCheckLine(e.line, e.port, e.job, e.ctn, what) + "\n";
        for (const Difference& d : check.differences) out += "  " + differenceLine(d) + "\n";
    }
    return out;
}

std::string checksJson(const std::vector<CollarCheck>& checks) {
    Json list = Json::array();
    for (const CollarCheck& check : checks) {
        const BatchEntry& e = *check.entry;
        list.push_back({{"line", e.line},
                        {"port", e.port},
                        {"job", e.job},
                        {"ctn", e.ctn},
                        {"result", check.result},
                        {"differences", differencesList(check.differences)}});
    }
    return jsonLines({{"collars", std::move(list)}});
}

int runFleet(Session& session, const Args& args) {
    if (args.positional.size() != 1 || args.positional[0] != "check")
        return usageError(clitext::kFleetNeedsCheck);
    const std::string manifestPath = args.value("manifest").value_or("");
    if (manifestPath.empty()) return usageError(clitext::kFleetNeedsManifest);
    if (args.value("db").value_or("").empty()) return usageError(clitext::kFleetNeedsDb);
    const std::string format = args.value("format").value_or("text");
    if (format != "text" && format != "json") return usageError(clitext::budgetFormatUnknown(format));
    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    BatchManifest manifest;
    if (const int rc = readManifestFile(manifestPath, manifest); rc != kExitOk) return rc;
    if (const int rc = logIn(session, args); rc != kExitOk) return rc;

    const ParameterRecord base = session.record;
    const std::atomic<bool> never{false};
    std::vector<CollarCheck> checks;
    bool connected = true;
    for (int wave = 0; wave < manifest.waves; ++wave) {
        const std::vector<const BatchEntry*> entries = waveEntries(manifest, wave);
        if (wave > 0 && connected) {
            connected = nextCollarsConnected(entries, never);
            if (!connected) reportFailure(clitext::linesNotChecked(manifest.entries.size() - checks.size()));
        }
        for (const BatchEntry* entry : entries)
            checks.push_back(connected ? checkCollar(session, args, base, *entry)
                                       : CollarCheck{entry, kNotChecked, {}});
    }
    const std::string out = format == "json" ? checksJson(checks) : checksText(checks);
    std::fwrite(out.data(), 1, out.size(), stdout);
    for (const CollarCheck& check : checks)
        if (check.result != kSame) return kExitFailed;
    return kExitOk;
}

}  // namespace

// Every line option but --trace: one trace file could not take every collar's read.
ORV_CLI_COMMAND("fleet", runFleet,
                {"manifest", "format", "baud", "parity", "data-bits", "stop-bits", "timeout", "single-pin"},
                {"single-pin"});

}  // namespace orv::cli
