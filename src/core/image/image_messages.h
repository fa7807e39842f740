#pragma once

#include <string>

// The texts of the firmware choice and of a configuration image that does not
// decode or does not match the screen. Texts that carry a firmware family, a
// field or a value are built by the functions below, each from one whole text.

namespace orv::imagetext {

// The 'Firmware' combo box and the version the collar reports.
inline constexpr const char* kSelectionChangedToDevice =
    "The selected firmware version in the 'Firmware' combo box\nis being changed to match the connected GPS system device.";
inline constexpr const char* kAskChangeSelection =
    "The selected firmware version in the 'Firmware' combo box\ndoes not match that read from the GPS system device.\n\nDo you want to change the selected firmware version to match\nthe connected GPS system?";
// "There was error" (no "an"): the collar's users know the text as it stands.
inline constexpr const char* kVersionReadError =
    "There was error reading the target firmware version!\nThe target memory was NOT read correctly.\n";

// A firmware family this program has no layout for, when reading and when
// programming (or exporting). "a Orv upgrade" is the text as users know it.
std::string unsupportedFirmwareRead(const std::string& family);
std::string unsupportedFirmwareProgram(const std::string& family);
// The user kept a 'Firmware' selection that differs from the device's family.
std::string selectionDeclinedProgram(const std::string& family);

// The first field in which the device differs from the screen.
std::string deviceMismatch(const char* field, const std::string& device, const std::string& screen);
std::string deviceSeasonMismatch(const char* field, int season, const std::string& device,
                                 const std::string& screen);

}  // namespace orv::imagetext
