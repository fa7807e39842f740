#include "workflow/write_confirmations.h"

#include "app/message_log.h"
#include "model/access.h"
#include "model/record.h"
#include "model/transmitter_type.h"
#include "workflow/main_rules.h"
#include "workflow/workflow_messages.h"

namespace orv {

bool mayProgramWithoutSaving(int userMask) {
    return isEngineer(userMask);
}

bool zeroPttIdNeedsConsent(const ParameterRecord& record) {
    return record.general(GeneralRow::XmitnsEnabled) != 0 && isArgos(wholeTransmitterType(record)) &&
           record.general(GeneralRow::PttIdCode) == 0;
}

WritePlan confirmWrite(const ParameterRecord& record, int userMask, const WriteConsent& consent,
                       MessageLog& log, WriteStop& stop) {
    WritePlan plan;
    stop = WriteStop::ActivityCheck;
    if (!activityCheck(record, log)) return plan;
    const std::string& user = record.text(StringRow::UserName);
    stop = WriteStop::NoUser;
    if (user.empty()) {
        log.error("%s", wftext::kUserNeededToProgram);
        return plan;
    }
    stop = WriteStop::NotSaved;
    if (consent.saveAfterProgramming) {
        plan.saveAfterProgramming = *consent.saveAfterProgramming;
    } else if (mayProgramWithoutSaving(userMask)) {
        plan.saveAfterProgramming =
            log.choice(wftext::kSaveAfterProgrammingQuestion, user.c_str()) == kAnswerYes;
    } else {
        if (log.choice(wftext::kSavedAfterProgrammingQuestion, user.c_str()) != kAnswerYes) {
            log.warning("%s", wftext::kNotProgrammed);
            return plan;
        }
        plan.saveAfterProgramming = true;
    }
    stop = WriteStop::ZeroPttId;
    if (zeroPttIdNeedsConsent(record)) {
        if (log.choice("%s", wftext::kZeroPttIdQuestion) != kAnswerYes) return plan;
        plan.rootIdFlag = true;
    }
    stop = WriteStop::NotReplaced;
    if (consent.askReplace && log.choice("%s", wftext::kProgramQuestion) != kAnswerYes) return plan;
    stop = WriteStop::None;
    plan.proceed = true;
    return plan;
}

}  // namespace orv
