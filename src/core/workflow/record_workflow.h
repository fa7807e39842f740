#pragma once

#include <string>

#include "db/parameter_db.h"

namespace orv {

class MainScreen;

// What saveRecord did.
inline constexpr int kSaveStored = 0;
inline constexpr int kSaveFailed = 1;
// The "Programmed" or the overwrite question answered No: the changes stay marked.
inline constexpr int kSaveNothingStored = 2;

// The main window's Database group: save (with the sign-off by status and
// level), read, check and delete of the device on screen; and the workflows
// that end in a save or replace what the screen holds: Exit and Get Defaults.
class RecordWorkflow {
public:
    explicit RecordWorkflow(MainScreen& screen);

    // kSaveStored, kSaveFailed or kSaveNothingStored.
    int saveRecord();
    // History's Restore: version of the device shown, stored again as the
    // device of its status by the Save button's rules, and shown. 0 restored.
    int restoreVersion(int version);
    void readRecord();
    void checkRecord();
    void deleteRecord();

    // Get Defaults: the question first (false stops), then after the dialog's OK the record is shown.
    bool confirmDefaults();
    void defaultsApplied();
    // Exit: true when the window may close.
    bool exitApplication();

private:
    // The save rules' question and lines, then the record saved under the key;
    // stored tells whether anything was.
    int storeRecord(const std::string& job, const std::string& ctn, const std::string& status,
                    HistoryAction action, bool& stored);

    MainScreen& screen;
};

}  // namespace orv
