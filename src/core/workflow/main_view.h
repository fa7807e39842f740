#pragma once

#include <optional>
#include <string>

#include "binding/tabs.h"
#include "model/choice_list.h"
#include "model/page.h"

namespace orv {

// What the main window's workflows need of the window beyond its controls
// (which they reach through the PageSet, page Main): the shown tab, the lists
// of the identity area, and the parts that belong to other dialogs.
class MainView {
public:
    virtual ~MainView() = default;

    // The tab shown now; nothing when no tab is active.
    virtual std::optional<Tab> currentTab() const = 0;

    // The Job, CTN and status combos as lists.
    virtual ChoiceList& jobList() = 0;
    virtual ChoiceList& ctnList() = 0;
    virtual ChoiceList& statusList() = 0;

    // The Firmware combo shows the row without applying it (start-up).
    virtual void showFirmwareRow(int row) = 0;

    // A page's own rules after its rows were shown (pages built later add theirs).
    virtual void pageShown(Page page) { (void)page; }

    // Offers the software programming report for printing with the title suffix.
    virtual void printSpr(const std::string& titleSuffix) = 0;
};

}  // namespace orv
