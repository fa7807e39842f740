#pragma once

namespace orv {

class PageHandlerRegistry;
class SeasonPage;

// Puts the Schedule tab's controls into the page handler registry: a season
// list or radio button acts when chosen, a season edit when it is left; the
// converter takes the row (fieldEdited), then the season page's handler runs; the rules of the tab and its
// two panels are the season page's. The season page must outlive the registry.
void registerSeasonPage(PageHandlerRegistry& registry, SeasonPage& seasonPage);

}  // namespace orv
