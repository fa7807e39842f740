#pragma once

namespace orv {

class PageHandlerRegistry;
class SeasonPage;

// Puts the Schedule tab's controls into the page handler registry: a season
// list or radio button acts when chosen, a season edit when it is left; the
// converter takes the row (fieldEdited), then the season page's handler runs
// (setting the page up first if it is not yet). An up-down step goes to the
// season page's handler with its step. The rules of the tab and its two panels
// are the season page's. The window and orvctl both register it; the season
// page must outlive the registry's use.
void registerSeasonPage(PageHandlerRegistry& registry, SeasonPage& seasonPage);

}  // namespace orv
