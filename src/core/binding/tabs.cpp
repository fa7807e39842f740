#include "binding/tabs.h"

#include "app/startup.h"
#include "model/record.h"
#include "model/transmitter_type.h"

namespace orv {

namespace {
constexpr bool tableInTabOrder() {
    for (std::size_t i = 0; i < kTabTable.size(); ++i) {
        if (static_cast<std::size_t>(kTabTable[i].tab) != i || kTabTable[i].pageCount == 0 ||
            kTabTable[i].pageCount > kTabTable[i].pages.size()) {
            return false;
        }
    }
    return true;
}
static_assert(tableInTabOrder(), "the tab table lists every tab once, in the order of Tab, with its pages");
}  // namespace

std::vector<Tab> activeTabs(const std::string& settingsFile) {
    const std::vector<int> shown = readActiveTabs(settingsFile, kActiveTabKeys);
    std::vector<Tab> tabs;
    for (const TabFacts& facts : kTabTable) {
        if (shown[static_cast<std::size_t>(facts.tab)] == 1) tabs.push_back(facts.tab);
    }
    return tabs;
}

Page pageOfTab(Tab tab, const ParameterRecord& record) {
    const TabFacts& facts = tabFacts(tab);
    if (facts.shared == TabPages::OneOfForms && transmitterType(record) == TransmitterType::SpreadSpectrum) {
        return facts.pages[1];
    }
    return facts.pages[0];
}

std::vector<Page> shownPagesOfTab(Tab tab, const ParameterRecord& record) {
    const Page shown = pageOfTab(tab, record);
    std::vector<Page> pages{shown};
    if (tabFacts(tab).shared == TabPages::Together) {
        for (const Page page : tabFacts(tab).pageList()) {
            if (page != shown) pages.push_back(page);
        }
    }
    return pages;
}

bool tabOfPage(Page page, Tab& tab) {
    for (const TabFacts& facts : kTabTable) {
        for (const Page held : facts.pageList()) {
            if (held == page) {
                tab = facts.tab;
                return true;
            }
        }
    }
    return false;
}

}  // namespace orv
