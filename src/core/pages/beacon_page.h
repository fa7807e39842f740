#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Beacon tab: "Beacon Enabled" only for the Wren-2 beacon types, the
// status text, the eight event rows editable only while the beacon is enabled,
// the pattern texts kept in step with their values and lengths, and the
// "Wren2 Parameters" button that starts the beacon configuration program.
void beaconPageRules(const PageContext& context);
void registerBeaconPage(PageHandlerRegistry& registry);

}  // namespace orv
