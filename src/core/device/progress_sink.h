#pragma once

#include <string>

namespace orv {

// The small progress window of a device operation: a caption, a legend line,
// a bar from 0 to 100 and an Abort button. The window implements it with
// widgets, orvctl with a line on stderr, tests with a recorder. Operations call
// it from their worker thread; aborted() must be cheap, it is asked after
// every byte of an answer.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    // Shown anew: position 0, the aborted flag cleared, Abort enabled.
    virtual void show() {}
    virtual void hide() {}
    virtual void setCaption(const std::string& text) = 0;
    virtual void setLegend(const std::string& text) = 0;
    virtual void setPosition(int percent) = 0;
    // True once Abort was pressed since the window was last shown.
    virtual bool aborted() = 0;
    // How long the wait for the magnet wake-up may last, in seconds, before it
    // ends as a time-out; 0: until Abort (the window, where the user sees it).
    virtual int wakeLimitSeconds() const { return 0; }
    // The wake-up tick; a front end without a speaker ignores it.
    virtual void beep(int frequencyHz, int durationMs) {
        (void)frequencyHz;
        (void)durationMs;
    }
};

}  // namespace orv
