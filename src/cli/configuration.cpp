// Building the configuration a command works on: source, --firmware, then
// --set, --raw and --reset in the order given.

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "access_check.h"
#include "cli.h"
#include "cli_messages.h"
#include "cli_registry.h"
#include "login.h"
#include "model/access.h"
#include "model/parameter_key.h"
#include "reset_option.h"
#include "typed_entry.h"

namespace orv::cli {

namespace {

// Splits "KEY=TEXT" at the first "=".
bool splitAssignment(const std::string& text, std::string& key, std::string& value) {
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    key = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    // Unchecked, but a number: NaN and infinity would pass every later range check.
    return *end == '\0' && errno == 0 && std::isfinite(value);
}

void forEachSeason(const ParameterKey& key, auto&& apply) {
    if (key.season > 0) {
        apply(key.season);
    } else {
        for (int s = 1; s <= kSeasons; ++s) apply(s);
    }
}

int applyRaw(Session& session, const std::string& assignment) {
    std::string name, text;
    if (!splitAssignment(assignment, name, text)) return usageError(clitext::malformedRaw(assignment));
    const auto key = parseParameterKey(name);
    if (!key) return usageError(clitext::unknownRawParameter(name));
    ParameterRecord& record = session.record;
    if (key->table == DefinitionTable::String) {
        record.text(key->row) = text;
        return kExitOk;
    }
    double value = 0;
    if (!parseNumber(text, value)) return usageError(clitext::rawNeedsNumber(name, text));
    if (key->table == DefinitionTable::General) {
        record.general(key->row) = value;
    } else {
        forEachSeason(*key, [&](int s) { record.season(s, key->row) = value; });
    }
    return kExitOk;
}

int applySet(Session& session, TypedEntry& entry, const std::string& assignment) {
    std::string name, text;
    if (!splitAssignment(assignment, name, text)) return usageError(clitext::malformedSet(assignment));
    const auto key = parseParameterKey(name);
    if (!key) return usageError(clitext::unknownSetParameter(name));
    return typeParameter(session, entry, *key, text, "--set");
}

// A source option the command also takes as a flag ("--json") is the source
// only with its file.
bool sourceGiven(const Args& args, const std::string& option) {
    const auto command = commandTable().find(args.command);
    const bool alsoFlag = command != commandTable().end() && command->second.flags.count(option) != 0;
    for (const auto& [name, value] : args.options)
        if (name == option && (!alsoFlag || !value.empty())) return true;
    return false;
}

}  // namespace

int typeParameter(Session& session, TypedEntry& entry, const ParameterKey& key, const std::string& text,
                  const std::string& how) {
    // A control the user's level hides or disables cannot be typed into.
    if (int rc = checkEditable(session, key.table, key.row, how); rc != kExitOk) return rc;
    if (key.table != DefinitionTable::Season) return entry.enter(key.table, key.row, 0, text);
    int rc = kExitOk;
    forEachSeason(key, [&](int s) {
        if (rc == kExitOk) rc = entry.enter(DefinitionTable::Season, key.row, s, text);
    });
    return rc;
}

int loadConfiguration(Session& session, const Args& args) {
    if (int rc = logIn(session, args); rc != kExitOk) return rc;
    // --raw stores what no page would let the user's level store: tests and repairs, by an Engineer.
    if (args.has("raw") && !isEngineer(session.user.mask)) {
        reportFailure(clitext::rawNeedsEngineer(session.user.name, session.user.level));
        return kExitUsage;
    }
    const SourceEntry* source = nullptr;
    for (const auto& candidate : sourceTable()) {
        if (!sourceGiven(args, candidate.option)) continue;
        if (source) return usageError(clitext::twoSources(source->option, candidate.option));
        source = &candidate;
    }
    if (source) {
        if (int rc = source->load(session, args); rc != kExitOk) return rc;
    }
    return applyEdits(session, args);
}

int applyEdits(Session& session, const Args& args) {
    if (const auto firmware = args.value("firmware")) {
        if (int rc = selectFirmware(session, *firmware); rc != kExitOk) return rc;
    }
    TypedEntry entry(session);
    for (const auto& [name, value] : args.options) {
        int rc = kExitOk;
        if (name == "set") rc = applySet(session, entry, value);
        // --raw is the unchecked store: no conversion and no rule of a page.
        if (name == "raw") rc = applyRaw(session, value);
        if (name == "reset") {
            const ParameterRecord before = session.record;
            rc = applyReset(session, value);
            if (rc == kExitOk) rc = checkChangesAllowed(session, before, "--reset '" + value + "'");
        }
        if (rc != kExitOk) return rc;
    }
    return kExitOk;
}

}  // namespace orv::cli
