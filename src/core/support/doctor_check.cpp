#include "support/doctor_check.h"

#include <algorithm>

#include "support/support_messages.h"

namespace orv {

const char* statusName(CheckStatus status) {
    switch (status) {
        case CheckStatus::Ok:
            return "ok";
        case CheckStatus::Warning:
            return "warning";
        case CheckStatus::Failed:
            return "failed";
    }
    return "";
}

bool anyFailed(const std::vector<DoctorCheck>& checks) {
    return std::any_of(checks.begin(), checks.end(),
                       [](const DoctorCheck& check) { return check.status == CheckStatus::Failed; });
}

std::string doctorText(const std::vector<DoctorCheck>& checks) {
    std::string text;
    int warnings = 0;
    int failures = 0;
    for (const DoctorCheck& check : checks) {
        const std::string status = statusName(check.status);
        text += "[" + status + "]" + std::string(8 - status.size(), ' ') + check.name + ": " + check.detail +
                "\n";
        if (!check.fix.empty()) text += "          fix: " + check.fix + "\n";
        warnings += check.status == CheckStatus::Warning;
        failures += check.status == CheckStatus::Failed;
    }
    text += doctortext::summary(warnings, failures) + "\n";
    return text;
}

}  // namespace orv
