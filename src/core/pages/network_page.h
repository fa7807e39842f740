#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Transmitter tab in its spread-spectrum network form: the dotted-quad
// address and mask edits with their 32-bit values, and the holdoff box with
// its edit, which may not be left at 0 while the holdoff is enabled.
void networkPageRules(const PageContext& context);
void registerNetworkPage(PageHandlerRegistry& registry);

}  // namespace orv
