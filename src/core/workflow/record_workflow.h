#pragma once

namespace orv {

class MainScreen;

// The main window's Database group: save (with the sign-off by status and
// level), read, check and delete of the device on screen; and the workflows
// that end in a save or replace what the screen holds: Exit and Get Defaults.
class RecordWorkflow {
public:
    explicit RecordWorkflow(MainScreen& screen);

    // 0 saved (or the "Programmed" question declined: nothing stored); else the save's failure.
    int saveRecord();
    void readRecord();
    void checkRecord();
    void deleteRecord();

    // Get Defaults: the question first (false stops), then after the dialog's OK the record is shown.
    bool confirmDefaults();
    void defaultsApplied();
    // Exit: true when the window may close.
    bool exitApplication();

private:
    MainScreen& screen;
};

}  // namespace orv
