#pragma once

#include <string>
#include <vector>

#include "compare/configuration_diff.h"
#include "device/device_operations.h"
#include "files/ppf_file.h"
#include "model/read_mode.h"

namespace orv {

class MessageLog;

// The operations the main window runs on its one worker thread. Each runs
// from start to end on the worker (the main window disabled), writes only the
// record and the link, and leaves the widgets to the completion on the GUI
// thread.

struct ReadJobResult {
    DeviceResult result =
        DeviceResult::Ok;  // the device operation's; Ok also for a check that found a difference
    bool loaded = false;   // read mode: the record now holds the collar's configuration
    bool matched = false;  // check mode: the collar holds what the screen shows
    // Check mode: every difference from the collar to the screen (the check's
    // box shows the first, with these behind "Show Details...").
    std::vector<Difference> differences;
};

// A device read takes the factory area with the configuration: the N4 and DS
// families, where the firmware has a factory layout.
bool readTakesFactoryArea(const std::string& version);

// Read Device (mode 1): the configuration, and the factory area of the N4 and
// DS families, decoded into the record and taken up as a device read
// (takeUpDeviceRead); the Fact. Parms values are emptied first, and the record
// changes only when the read and its decoding succeed. Check Device (mode 0): the configuration compared with
// the record.
ReadJobResult readDeviceJob(DeviceContext& context, ProgressSink& progress, MessageLog& log, ReadMode mode);

// "Read Factory Parameters": the factory area read and its values and texts
// loaded into the record. Returns the operation's result (the decoding's,
// converted by deviceResultOf, when it decoded badly).
DeviceResult readFactoryJob(DeviceContext& context, ProgressSink& progress, MessageLog& log);

// Import of a .ppf file: read, decode, take up as a device read.
ReadJobResult importJob(DeviceContext& context, const std::string& path, MessageLog& log);

// After the firmware query: the 'Firmware' selection follows the collar's
// version, with its notice; false (after the error) when that version is not
// supported.
bool takeUpFirmwareQuery(const ParameterRecord& record, FirmwareSelection& selection, MessageLog& log);

// The Fact. Parms values emptied before a device read is decoded: texts
// empty, values 0 (a combo thus takes its first entry).
void clearFactoryValues(ParameterRecord& record);

// A notice with a caption of its own ("Gps System Check"), logged like every other.
void showCaptionedInformation(MessageLog& log, const char* caption, const char* text);

}  // namespace orv
