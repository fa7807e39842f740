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

std::string doctorSummary(const std::vector<DoctorCheck>& checks) {
    const auto count = [&](CheckStatus status) {
        return static_cast<int>(std::count_if(
            checks.begin(), checks.end(), [&](const DoctorCheck& check) { return check.status == status; }));
    };
    return doctortext::summary(count(CheckStatus::Warning), count(CheckStatus::Failed));
}

std::string doctorText(const std::vector<DoctorCheck>& checks) {
    std::string text;
    for (const DoctorCheck& check : checks) {
        const std::string status = statusName(check.status);
        text += "[" + status + "]" + std::string(8 - status.size(), ' ') + check.name + ": " + check.detail +
                "\n";
        if (!check.fix.empty()) text += "          fix: " + check.fix + "\n";
    }
    return text + doctorSummary(checks) + "\n";
}

}  // namespace orv
