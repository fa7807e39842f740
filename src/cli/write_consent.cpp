#include "write_consent.h"

#include "cli_messages.h"
#include "image/ptt_id.h"
#include "model/record.h"
#include "workflow/main_rules.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_confirmations.h"

namespace orv::cli {

int confirmWrite(Session& session, const ParameterRecord& record, const Args& args, const std::string& where,
                 bool& rootIdFlag) {
    rootIdFlag = false;
    if (activityCheck(record, session.log) != 0) {
        reportFailure(clitext::activityCheckFailed(where));
        return kExitFailed;
    }
    if (!zeroPttIdNeedsConsent(record)) return kExitOk;
    const bool allowed = args.has("allow-zero-ptt-id");
    const int answerBefore = session.presenter.forcedAnswer;
    session.presenter.forcedAnswer = allowed ? kAnswerYes : kAnswerNo;
    session.log.choice("%s", wftext::kZeroPttIdQuestion);
    session.presenter.forcedAnswer = answerBefore;
    if (!allowed) {
        reportFailure(
            clitext::zeroPttIdRefused(where, static_cast<long long>(programmedPttId(record, true))));
        return kExitFailed;
    }
    rootIdFlag = true;
    return kExitOk;
}

}  // namespace orv::cli
