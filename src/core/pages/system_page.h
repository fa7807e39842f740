#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Fact. Parms tab: the transmitter-dependent controls (for Engineers and
// Coordinators), the filter rules, the salt-water switch box, the transmitter
// and beacon type changes that redisplay their pages, the encryption box, the
// SST notes limit and the factory-area buttons.
void systemPageRules(const PageContext& context);
void registerSystemPage(PageHandlerRegistry& registry);

// After a factory-area operation on the device worker completed.
void factoryOperationFinished(const PageContext& context);

inline constexpr int kSstNotesLimit = 224;

}  // namespace orv
