#pragma once

// What Write Device makes sure of before any traffic, for every front end:
// only some levels may program without saving, and an assigned PTT ID code of
// zero is programmed only when the user agreed, and then the collar gets the
// root ID (the "Programmed ID Code") instead.

#include <optional>

namespace orv {

class MessageLog;
struct ParameterRecord;

// May this user program a collar without saving it as "Programmed"? Every
// other user's programming is saved under their name.
bool mayProgramWithoutSaving(int userMask);

// Transmissions are on, by an ARGOS transmitter type, and the assigned PTT ID
// code is zero: the user must agree before the collar is programmed.
bool zeroPttIdNeedsConsent(const ParameterRecord& record);

// What the confirmations decided.
struct WritePlan {
    bool proceed = false;
    bool saveAfterProgramming = false;
    bool rootIdFlag = false;  // programming although the assigned PTT ID code is zero
};

// Why the confirmations stopped a write.
enum class WriteStop { None, ActivityCheck, NoUser, NotSaved, ZeroPttId, NotReplaced };

struct WriteConsent {
    // Decided by the front end (orvctl: --db without --no-save); empty: the
    // window's question for the user's level.
    std::optional<bool> saveAfterProgramming;
    // The window asks before the collar's configuration is replaced.
    bool askReplace = true;
};

// Write Device's confirmations before any traffic, in the window's order: the
// activity check, a user name, the save as "Programmed" (an Engineer may
// program without saving; anyone else's programming is saved or not done),
// the zero PTT ID code, and the replacement. Every question goes through log;
// stop says why a write does not proceed (after its message).
WritePlan confirmWrite(const ParameterRecord& record, int userMask, const WriteConsent& consent,
                       MessageLog& log, WriteStop& stop);

}  // namespace orv
