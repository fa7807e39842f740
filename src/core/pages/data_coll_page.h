#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Data Coll. tab: the opposite radio pairs (Position / Transition, Event
// Position High / Low), the enabling by "DataCollMode", and "None (Off)"
// zeroing the activity interval.
void dataCollPageRules(const PageContext& context);
void registerDataCollPage(PageHandlerRegistry& registry);

}  // namespace orv
