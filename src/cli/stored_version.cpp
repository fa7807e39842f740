#include "stored_version.h"

#include <charconv>

#include "app/text_helpers.h"
#include "cli_messages.h"
#include "workflow/main_rules.h"

namespace orv::cli {

int loadStoredVersion(ParameterDb& db, const Args& args, const std::string& job, const std::string& ctn,
                      DeviceVersion& found) {
    const std::string text = args.value("version").value_or("");
    int version = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), version);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || version < 1)
        return usageError(clitext::versionNotNumber(text));
    if (db.readVersion(job, ctn, version, db.record(), found) != DbResult::Ok) return kExitFailed;
    if (const auto status = args.value("status")) {
        if (!equalIgnoringCase(bareStatus(*status), found.key.status)) {
            reportFailure(
                clitext::versionOfOtherStatus(version, job, ctn, found.key.status, bareStatus(*status)));
            return kExitFailed;
        }
    }
    return kExitOk;
}

}  // namespace orv::cli
