#pragma once

#include <cstdint>
#include <span>

#include "device/result_codes.h"
#include "workflow/write_confirmations.h"
#include "workflow/write_sequence.h"

namespace orv {

class MainScreen;

// The device and file operations of the main window, as far as they happen on
// the GUI thread: the confirmations and preparations before the worker starts,
// and the completion steps after it has finished.
class DeviceWorkflow {
public:
    explicit DeviceWorkflow(MainScreen& screen);

    // Write Device: the screen collected, the checks and questions; proceed when the worker may start.
    WritePlan prepareWrite();
    // What the worker's write needs: "Show changes before writing" and the impact's figures.
    WriteOptions writeOptions(bool showChanges);
    // After the worker's write: the before-copy, the save, the archive, the restart warning.
    void writeFinished(const WriteOutcome& outcome, const WritePlan& plan);
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
