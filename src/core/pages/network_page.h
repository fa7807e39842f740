#pragma once

#include "pages/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Transmitter tab in its spread-spectrum network form: the dotted-quad
// address and mask edits with their 32-bit values, and the holdoff box with
// its edit, which may not be left at 0 while the holdoff is enabled.
void networkPageRules(const PageContext& context);
void registerNetworkPage(PageHandlerRegistry& registry);

inline constexpr const char* kHoldoffZeroMessage =
    "The Network Holdoff Delay value cannot be '0' when enabled!\n  A value greater than '0' and less than "
    "'256' must be entered";
inline constexpr const char* kBadAddressMessage =
    "'%s' in field '%s' is not an address.\nEnter four numbers from 0 to 255 separated by dots "
    "(192.168.0.1).";

}  // namespace orv
