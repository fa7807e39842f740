#pragma once

#include <string>

#include "binding/edit_outcome.h"
#include "binding/page_context.h"
#include "model/definitions.h"

namespace orv {

class MemoryPageSet;
class PageHandlerRegistry;

// Registers the rules and control handlers of the GPS Parms, Misc.,
// Transmitter (both forms), Data Coll., Beacon and Fact. Parms pages.
void registerParameterPages(PageHandlerRegistry& registry);

// The user acting on a parameter's control of the in-memory pages, then that
// control's handler (orvctl --set): an edit gets the text typed and is left,
// a list chooses the entry named (or numbered from 0), a check box or radio
// button takes "1" (ticked / clicked) or "0". A season row acts with the
// season (1..12) shown on the Schedule tab.
EditOutcome actOnControl(const PageContext& context, MemoryPageSet& pages, DefinitionTable table, int row,
                         int season, const std::string& text);

}  // namespace orv
