#include "access_check.h"

#include "cli_messages.h"
#include "model/access.h"
#include "workflow/main_rules.h"

namespace orv::cli {

int checkEditable(const Session& session, DefinitionTable table, int row, const std::string& how) {
    const ParameterDefinition& def = definitionTable(table)[static_cast<std::size_t>(row)];
    // A value without a control on any page is kept by the program, not typed.
    if (def.controlId == 0) return kExitOk;
    if (controlVisible(session.user.mask, def.accessMask) &&
        controlEditable(session.user.mask, def.accessMask))
        return kExitOk;
    const auto name = rowName(def);
    reportFailure(clitext::cannotChangeAtLevel(how, name, session.user.level, session.user.name));
    return kExitUsage;
}

namespace {

// A value no level may type (kept by the program and its rules) is no matter of
// the user's level when the defaults dialog puts it back.
int checkChanged(const Session& session, DefinitionTable table, int row, const std::string& how) {
    const ParameterDefinition& def = definitionTable(table)[static_cast<std::size_t>(row)];
    if ((def.accessMask & kEditBits) == 0) return kExitOk;
    return checkEditable(session, table, row, how);
}

}  // namespace

int checkChangesAllowed(Session& session, const ParameterRecord& before, const std::string& how) {
    const ParameterRecord& after = session.record;
    int rc = kExitOk;
    for (int row = 0; row < kGeneralCount && rc == kExitOk; ++row) {
        if (after.general(row) != before.general(row))
            rc = checkChanged(session, DefinitionTable::General, row, how);
    }
    for (int row = 0; row < kStringCount && rc == kExitOk; ++row) {
        if (after.text(row) != before.text(row))
            rc = checkChanged(session, DefinitionTable::String, row, how);
    }
    for (int row = 0; row < kSeasonCount && rc == kExitOk; ++row) {
        if (row == SeasonRow::Season) continue;  // the season shown, not a value
        for (int s = 1; s <= kSeasons && rc == kExitOk; ++s) {
            if (after.season(s, row) != before.season(s, row))
                rc = checkChanged(session, DefinitionTable::Season, row, how);
        }
    }
    if (rc != kExitOk) session.record = before;
    return rc;
}

int checkControl(const Session& session, int controlRow, const std::string& command,
                 const std::string& what) {
    const int accessMask = controlDefinitions()[static_cast<std::size_t>(controlRow)].accessMask;
    if (controlVisible(session.user.mask, accessMask) && controlEditable(session.user.mask, accessMask))
        return kExitOk;
    reportFailure(clitext::controlRefused(command, session.user.name, session.user.level, what));
    return kExitUsage;
}

int checkDatabaseEdit(const Session& session, const std::string& action, const std::string& status,
                      const std::string& job) {
    if (databaseEditAllowed(status, session.user.mask, job)) return kExitOk;
    // Allowed but for the Job: the Job is what the level may not touch.
    reportFailure(databaseEditAllowed(status, session.user.mask, "")
                      ? clitext::editRefusedForJob(action, session.user.name, session.user.level, job)
                      : clitext::editRefusedForStatus(action, session.user.name, session.user.level, status));
    return kExitUsage;
}

}  // namespace orv::cli
