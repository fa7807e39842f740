#pragma once

// A ProgressSink for tests: records what the operation showed and presses
// Abort when the test's condition says so.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/progress_sink.h"

namespace orv::test {

class RecordingProgress : public ProgressSink {
public:
    void show() override {
        std::lock_guard guard(lock);
        ++shows;
        position = 0;
        abortPressed = false;
    }
    void hide() override {
        std::lock_guard guard(lock);
        ++hides;
    }
    void setCaption(const std::string& text) override {
        std::lock_guard guard(lock);
        caption = text;
        captions.push_back(text);
    }
    void setLegend(const std::string& text) override {
        std::lock_guard guard(lock);
        legend = text;
        legends.push_back(text);
    }
    void setPosition(int percent) override {
        std::lock_guard guard(lock);
        position = percent;
        positions.push_back(percent);
    }
    bool aborted() override {
        std::lock_guard guard(lock);
        if (!abortPressed && abortWhen && abortWhen(*this)) abortPressed = true;
        return abortPressed;
    }
    void beep(int, int) override { ++beeps; }
    int wakeLimitSeconds() const override { return wakeLimit; }

    int wakeLimit = 0;  // seconds the magnet wake-up may wait; 0 until Abort

    void pressAbort() {
        std::lock_guard guard(lock);
        abortPressed = true;
    }
    bool sawLegend(const std::string& text) const {
        std::lock_guard guard(lock);
        for (const auto& l : legends)
            if (l == text) return true;
        return false;
    }
    bool sawCaption(const std::string& text) const {
        std::lock_guard guard(lock);
        for (const auto& c : captions)
            if (c == text) return true;
        return false;
    }

    // Asked (under the lock) every time the operation looks at Abort.
    std::function<bool(const RecordingProgress&)> abortWhen;

    std::string caption;
    std::string legend;
    int position = 0;
    std::vector<std::string> captions;
    std::vector<std::string> legends;
    std::vector<int> positions;
    int shows = 0;
    int hides = 0;
    std::atomic<int> beeps{0};

private:
    mutable std::mutex lock;
    bool abortPressed = false;
};

}  // namespace orv::test
