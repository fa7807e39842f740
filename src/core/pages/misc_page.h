#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Misc. tab (salt-water switch): the status text and the four thresholds,
// editable only while "SWSEnabled" is exactly 1.
void miscPageRules(const PageContext& context);
void registerMiscPage(PageHandlerRegistry& registry);

}  // namespace orv
