#include "write_consent.h"

#include "cli_messages.h"
#include "image/ptt_id.h"
#include "model/record.h"

namespace orv::cli {

int confirmWrite(Session& session, const ParameterRecord& record, const Args& args, const std::string& where,
                 bool saveAfterProgramming, WritePlan& plan) {
    WriteConsent consent;
    consent.saveAfterProgramming = saveAfterProgramming;
    consent.askReplace = false;
    // The one question left is the zero PTT ID code's.
    const int answerBefore = session.presenter.forcedAnswer;
    session.presenter.forcedAnswer = args.has("allow-zero-ptt-id") ? kAnswerYes : kAnswerNo;
    // The user who programs is the one logged in, whatever the source stored.
    ParameterRecord programmedBy = record;
    programmedBy.text(StringRow::UserName) = session.user.name;
    WriteStop stop = WriteStop::None;
    plan = orv::confirmWrite(programmedBy, session.user.mask, consent, session.log, stop);
    session.presenter.forcedAnswer = answerBefore;
    if (stop == WriteStop::ActivityCheck) reportFailure(clitext::activityCheckFailed(where));
    if (stop == WriteStop::ZeroPttId)
        reportFailure(
            clitext::zeroPttIdRefused(where, static_cast<long long>(programmedPttId(record, true))));
    return plan.proceed ? kExitOk : kExitFailed;
}

}  // namespace orv::cli
