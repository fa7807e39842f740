#include "workflow/save_rules.h"

#include "app/format_text.h"
#include "model/access.h"
#include "model/lists.h"
#include "model/record.h"
#include "workflow/main_rules.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

// The coordinator who signed off, with the date, or both empty; a sign-off
// always empties the programmed-by line and its date.
void writeSignoff(ParameterRecord& record, const std::string& who, std::time_t now) {
    record.text(StringRow::CoordSignoff) = who;
    record.text(StringRow::CoordSignoffDate) = who.empty() ? std::string() : dateTimeText(now);
    record.text(StringRow::ProgrammedBy).clear();
    record.text(StringRow::ProgByDate).clear();
}

}  // namespace

SaveQuestion saveQuestion(std::string_view status, int userMask) {
    if (status == kStatusWorking && isEngineerOrCoordinator(userMask)) return SaveQuestion::SignOff;
    if (status == kStatusProgrammed && isEngineer(userMask)) return SaveQuestion::MarkProgrammed;
    return SaveQuestion::None;
}

const char* saveQuestionText(SaveQuestion question) {
    switch (question) {
        case SaveQuestion::SignOff:
            return wftext::kSignOffQuestion;
        case SaveQuestion::MarkProgrammed:
            return wftext::kMarkProgrammedQuestion;
        case SaveQuestion::None:
            break;
    }
    return "";
}

SaveOutcome applySaveRules(ParameterRecord& record, std::string_view status, int userMask, bool answeredYes,
                           std::time_t now) {
    SaveOutcome outcome;
    outcome.status = std::string(status);
    const std::string user = record.text(StringRow::UserName);
    switch (saveQuestion(status, userMask)) {
        case SaveQuestion::SignOff:
            writeSignoff(record, answeredYes ? user : std::string(), now);
            if (answeredYes) outcome.status = kStatusSignoff;
            outcome.signedOff = answeredYes;
            break;
        case SaveQuestion::MarkProgrammed:
            if (!answeredYes) {
                outcome.store = false;
                return outcome;
            }
            // The "#" marks a save by hand, not by programming a collar.
            record.text(StringRow::ProgrammedBy) = formatText("#%s", user.c_str());
            record.text(StringRow::ProgByDate) = dateTimeText(now);
            break;
        case SaveQuestion::None:
            if (status == kStatusSignoff) {
                writeSignoff(record, user, now);
                outcome.signedOff = true;
            }
            break;
    }
    record.text(StringRow::DevStatus) = outcome.status;
    return outcome;
}

bool isDeviceStatus(std::string_view status) {
    for (const char* known : deviceStatusList()) {
        if (status == known) return true;
    }
    return false;
}

}  // namespace orv
