#pragma once

// What a database Save does to a device by its status and the user's level:
// the question it asks, the sign-off and programmed-by lines it writes and the
// status it stores the device under. The window's Save button and orvctl's
// db save both run these.

#include <ctime>
#include <string>
#include <string_view>

namespace orv {

struct ParameterRecord;

// The one question a Save asks before anything is stored.
enum class SaveQuestion {
    None,
    SignOff,         // a "Working" device saved by an Engineer or Coordinator: sign it off?
    MarkProgrammed,  // a "Programmed" device saved by an Engineer: by hand, under their name?
};

SaveQuestion saveQuestion(std::string_view status, int userMask);

// The question's text; it takes the user name (%s). Empty for None.
const char* saveQuestionText(SaveQuestion question);

struct SaveOutcome {
    bool store = true;       // false: the save was declined and nothing is stored
    std::string status;      // the status the device is stored under
    bool signedOff = false;  // the coordinator sign-off line was written (the report may be printed)
};

// Writes the sign-off and programmed-by lines of the record (user: the record's
// "User Name") and its status, for a save of status by userMask where
// answeredYes is the answer to saveQuestion(status, userMask).
SaveOutcome applySaveRules(ParameterRecord& record, std::string_view status, int userMask, bool answeredYes,
                           std::time_t now);

// The statuses a device may be saved under.
bool isDeviceStatus(std::string_view status);

}  // namespace orv
