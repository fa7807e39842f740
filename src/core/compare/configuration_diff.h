#pragma once

// Every difference between two configurations, field by field: the general
// parameters, the twelve seasons, and the texts of the record where both sides
// hold them. The sign-off and programmed-by lines and the user are not
// compared: they say who handled a configuration, not what it is.

#include <string>
#include <vector>

#include "compare/held_rows.h"
#include "model/page.h"
#include "model/record.h"

namespace orv {

// A configuration and what its source really holds.
struct Configuration {
    ParameterRecord record;
    HeldRows held = HeldRows::everything();
};

struct Difference {
    DefinitionTable table = DefinitionTable::General;  // General, Season or String
    int row = 0;
    int season = 0;     // 1..12 for a season parameter, 0 otherwise
    std::string key;    // the database column; empty for a keyless row
    std::string label;  // the name in messages and reports
    Page page = Page::Main;
    std::string pageName;  // the tab (or dialog) the field is on
    bool isText = false;   // a text of the record: the values are the texts themselves
    double oldValue = 0;   // as stored, for parameters
    double newValue = 0;
    std::string oldText;  // what the field shows for each side
    std::string newText;

    // The key, or the label where the row has no key.
    const std::string& name() const { return key.empty() ? label : key; }
};

// The differences from oldSide to newSide, grouped by page (in tab order, the
// main window's fields first) and season, and within a group in table order.
// Values closer than the check tolerance are the same.
std::vector<Difference> compareConfigurations(const Configuration& oldSide, const Configuration& newSide);

// The tab or dialog a page's fields are shown on, as the window names it.
std::string pageName(Page page);

// One difference as a line: "PAGE[, season S]: LABEL (KEY): OLD -> NEW".
std::string differenceLine(const Difference& difference);
// Every difference a line, each ended by a line break.
std::string differenceLines(const std::vector<Difference>& differences);

// The same in two parts, for lists that show the groups as headings:
// "PAGE[, season S]" and "LABEL (KEY): OLD -> NEW".
std::string groupTitle(const Difference& difference);
std::string differenceItem(const Difference& difference);

struct DifferenceGroup {
    std::string title;
    std::vector<std::string> items;
};
// Consecutive differences of one page and season under one title.
std::vector<DifferenceGroup> groupDifferences(const std::vector<Difference>& differences);

}  // namespace orv
