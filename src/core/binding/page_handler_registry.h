#pragma once

// PageHandlerRegistry: the one table of what happens when the user acts on a
// control of a parameter page, and of each page's rules. The Qt pages forward
// their widgets' events to it, orvctl --set drives it on the in-memory pages,
// so the window and a script make the same record.
//
// Usage (a page unit registers itself once, at start-up):
//     void registerBeaconPage(PageHandlerRegistry& registry) {
//         registry.setPageRules(Page::Beacon, beaconPageRules);
//         registry.onChanged(valueControl(DefinitionTable::String, StringRow::VHFPattern1), handler);
//         registry.onLeft(someEditId, otherHandler);
//     }
// and the window or orvctl calls
//     registry.changed(context, id)   a combo chose, a box was clicked, a button
//                                     pressed, an edit's text changed;
//     registry.left(context, id)      an edit lost the focus (or Enter);
//     registry.redisplay(context, page)   shows the page's rows, then its rules.
// A control without a handler of its own gets the common one: a combo or
// check/radio row is read (fieldEdited) and the page's rules run again; an edit
// row is read when it is left; a text row is stored as it is when it is left.
// Season rows work on the season the Schedule tab shows.

#include <functional>
#include <map>

#include "binding/page_context.h"

namespace orv {

// 0: taken; 1: refused after its message (the value was not stored).
inline constexpr int kHandlerTaken = 0;
inline constexpr int kHandlerRefused = 1;

using ControlHandler = std::function<int(const PageContext&)>;
using PageRules = std::function<void(const PageContext&)>;

class PageHandlerRegistry {
public:
    void onChanged(int controlId, ControlHandler handler);
    void onLeft(int controlId, ControlHandler handler);
    void setPageRules(Page page, PageRules rules);

    int changed(const PageContext& context, int controlId) const;
    int left(const PageContext& context, int controlId) const;
    // The page's rules alone (nothing when it has none).
    void rules(const PageContext& context, Page page) const;
    // Every row of the page shown from the record, then its rules.
    void redisplay(const PageContext& context, Page page) const;

private:
    std::map<int, ControlHandler> changeHandlers;
    std::map<int, ControlHandler> leaveHandlers;
    std::map<Page, PageRules> pageRules;
};

// The row whose value control has the id; false when none has.
bool rowOfControl(int controlId, DefinitionTable& table, int& row);

}  // namespace orv
