#pragma once

// The wait cursor a database operation shows while it runs. The window
// implements the indicator; without one nothing is shown.

namespace orv {

class WaitIndicator {
public:
    virtual ~WaitIndicator() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class WaitCursor {
public:
    explicit WaitCursor(WaitIndicator* shownBy) : indicator(shownBy) {
        if (indicator) indicator->begin();
    }
    ~WaitCursor() {
        if (indicator) indicator->end();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    WaitIndicator* indicator;
};

}  // namespace orv
