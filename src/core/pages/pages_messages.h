#pragma once

#include <string>

// The texts the rules of the tab pages show: entries a page refuses and the
// question before the factory area is programmed. Texts that carry an entry, a
// field or a number are built by the functions below, each from one whole text.

namespace orv {

inline constexpr const char* kHoldoffZeroMessage =
    "The Network Holdoff Delay value cannot be '0' when enabled!\n  A value greater than '0' and less than '256' must be entered";
inline constexpr const char* kProgramFactoryQuestion =
    "Programming the device will replace the EEPROM configuration\nnow in the device.\n\nAre you sure you want to continue?";

// An entry of the field that is no dotted-quad address.
std::string badAddressMessage(const std::string& text, const char* field);
// An entry of the field that is no pulse pattern of '0' and '1'.
std::string badPatternMessage(const std::string& text, const char* field);
// A PTT ID text that is not hexadecimal.
std::string badIdHexMessage(const std::string& text);
// The SST notes (and the main window's Notes) are longer than the limit.
std::string notesLimitMessage(int limit);
// Any other text field typed longer than it holds (label: the field's label).
std::string textLimitMessage(const std::string& label, int limit);

}  // namespace orv
