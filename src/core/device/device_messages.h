#pragma once

#include <span>
#include <string>

#include "device/result_codes.h"

namespace orv {

class MessageLog;

// The words of a failed operation: the read variant for the read operations,
// the program variant for programming, factory programming, shut-down and
// .ppf export.
enum class MessageVariant { Read, Program };

// A serial trace that could not be written any more (%s: the file, the reason).
inline constexpr const char* kTraceStoppedMessage =
    "The serial trace '%s' could not be written any more: %s.\n"
    "It ends with the last line that could be written whole; the device operation went on without it.";

// The firmware family letters of the version bytes (the first two, as characters).
std::string familyLetters(std::span<const std::uint8_t> versionBytes);

// Shows the one message for a failure code (warnings for the aborts, errors
// otherwise). Codes without words in the variant show nothing.
void showOperationFailure(MessageLog& log, MessageVariant variant, DeviceResult code,
                          const std::string& family);

}  // namespace orv
