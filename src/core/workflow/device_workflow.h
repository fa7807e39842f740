#pragma once

#include <cstdint>
#include <span>

#include "device/result_codes.h"

namespace orv {

class MainScreen;

// What the Write Device confirmations decided.
struct WritePlan {
    bool proceed = false;
    bool saveAfterProgramming = false;
    bool rootIdFlag = false;  // programming although the assigned PTT ID code is zero
};

// The device and file operations of the main window, as far as they happen on
// the GUI thread: the confirmations and preparations before the worker starts,
// and the completion steps after it has finished.
class DeviceWorkflow {
public:
    explicit DeviceWorkflow(MainScreen& screen);

    // Write Device: the screen collected, the checks and questions; proceed when the worker may start.
    WritePlan prepareWrite();
    // result: the programming's code; image: what was written.
    void writeFinished(DeviceResult result, const WritePlan& plan, std::span<const std::uint8_t> image);
    void shutdownFinished(DeviceResult result);
    // Check Device: the screen is collected first.
    void prepareCheckDevice();
    // After a device read or check, or an import: loaded when the record holds what was read.
    void readFinished(bool loaded);
    // After the firmware query: the selection follows the collar.
    void firmwareFinished(DeviceResult result);
    // Export: false (after its message) when the firmware is not known.
    bool prepareExport();
    // After the export: every page shown again.
    void exportFinished();

private:
    MainScreen& screen;
};

}  // namespace orv
