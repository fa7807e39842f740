#pragma once

#include "binding/page_context.h"

namespace orv {

class PageHandlerRegistry;

// The Transmitter tab in its ARGOS PTT form: the transmitter state by
// "XmitterEnblType", everything but the transmissions switch editable only
// while transmissions are enabled, the encryption group and its three buttons,
// the power pair, the PTT ID and its hexadecimal text, and the frequency choice.
void transmitterPageRules(const PageContext& context);
void registerTransmitterPage(PageHandlerRegistry& registry);

}  // namespace orv
