#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "device/progress_sink.h"
#include "device/result_codes.h"
#include "device/target_link.h"

namespace orv {

class FirmwareSelection;
struct ParameterRecord;

// What a device operation works with: the link (its images and version
// bytes stay there for the caller), the record (its firmware texts are set
// from the collar, images are built from it), the 'Firmware' selection, and
// the message log (the link's).
struct DeviceContext {
    TargetLink& link;
    ParameterRecord& record;
    FirmwareSelection& selection;
    // Programming although the assigned PTT ID code is zero: the root ID is programmed.
    bool rootIdFlag = false;
};

// Each operation runs start to end on the caller's thread, shows progress,
// reports a failure or an abort in one message box, and returns Ok on success,
// Aborted after a user abort (its message shown; nothing read may be used), or
// the failure (link results, ReadbackMismatch, UnsupportedFirmware,
// SelectionDeclined, or an image build's result under its number).

// The five firmware version texts into the record.
DeviceResult readFirmwareVersions(DeviceContext& context, ProgressSink& progress);
// The configuration memory into link.memoryImage.
DeviceResult readConfiguration(DeviceContext& context, ProgressSink& progress);
// The factory area into link.factoryImage.
DeviceResult readFactoryParameters(DeviceContext& context, ProgressSink& progress);
// Erase, write and read back the image built from the record (left in link.memoryImage).
DeviceResult programConfiguration(DeviceContext& context, ProgressSink& progress);
// What becomes of a write once the collar's configuration has been read.
enum class BeforeErase {
    Write,           // at once
    WriteAfterWait,  // the user was asked meanwhile: the collar is probed again first
    Cancel,          // the collar stays untouched
};
using BeforeEraseCheck = std::function<BeforeErase(const std::vector<std::uint8_t>& before)>;
// As programConfiguration, but the collar's configuration is read first, in
// the same connection, into before (as many bytes as the image has; left
// empty unless read in full); a collar that cannot be read is not erased. check then decides; a cancel ends
// the connection with nothing sent but reads (Aborted, without a message).
DeviceResult programConfigurationAfterReading(DeviceContext& context, ProgressSink& progress,
                                              std::vector<std::uint8_t>& before,
                                              const BeforeEraseCheck& check);
// Write and read back the factory image built from the record (left in link.factoryImage).
DeviceResult programFactoryParameters(DeviceContext& context, ProgressSink& progress);
// The shut-down commands of the collar's family.
DeviceResult shutDownTarget(DeviceContext& context, ProgressSink& progress);

// The configuration area from the data of the "M" answer: "16" selects
// 0xDFC000 and sector 70, anything else 0xBFC000 and sector 34.
struct ConfigurationArea {
    std::uint32_t baseAddress;
    int flashSector;
};
ConfigurationArea configurationAreaFor(char c1, char c2);

}  // namespace orv
