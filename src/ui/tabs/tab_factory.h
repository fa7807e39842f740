#pragma once

#include <memory>

#include "tabs/tab_page.h"

namespace orv {

// The page for a tab: those not built yet are empty TabPages.
std::unique_ptr<TabPage> createTabPage(Tab tab, const BinderContext& context);

}  // namespace orv
