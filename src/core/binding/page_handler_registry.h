#pragma once

// PageHandlerRegistry: the one place where a user's action on a control of a
// parameter page lands, for the window and orvctl alike, and the table of each
// page's rules. The window's field binder hands over the row it bound, orvctl
// the row it typed into; the registry takes the value from the control once
// and runs the page's handler for it.
//
// Usage (a page unit registers itself once, at start-up):
//     void registerBeaconPage(PageHandlerRegistry& registry) {
//         registry.setPageRules(Page::Beacon, beaconPageRules);
//         registry.onChanged(valueControl(DefinitionTable::String, StringRow::VHFPattern1), handler);
//         registry.onLeft(someEditId, otherHandler);
//     }
// and the window or orvctl calls
//     registry.edited(context, edit)      the user acted on a parameter row's control:
//                                         chose a list entry or clicked a box, typed
//                                         into an edit, left it, or stepped its
//                                         up-down control;
//     registry.pressed(context, id)       a button of the page was pressed;
//     registry.redisplay(context, page)   shows the page's rows, then its rules.
// A row without a handler of its own gets the common one: a combo or
// check/radio row is read (fieldEdited) and the page's rules run again; an edit
// row is read when it is left; a text row is stored as it is when it is left;
// a step sets the edit's text and the edit is read as if it were left. Typing
// does nothing but a handler's. Season rows work on the season the Schedule
// tab shows.

#include <functional>
#include <map>

#include "binding/edit_outcome.h"
#include "binding/field_converter.h"
#include "binding/page_context.h"

namespace orv {

// What the user did to a parameter row's control.
enum class ControlAction {
    Chosen,  // a list entry chosen, a check box or radio button clicked
    Typed,   // the text of an edit changed as it is typed
    Left,    // an edit lost the focus (or Enter)
    Stepped  // an up-down control is taking a step
};

// One action on the control of a row, as the binder or orvctl has it.
struct RowEdit {
    Page page;              // the page whose control it is
    DefinitionTable table;  // General, Season or String
    int row;
    ControlAction action;
    SpinNotification step{};  // Stepped: the up-down control and its step
};

using ControlHandler = std::function<EditOutcome(const PageContext&)>;
// A handler for an up-down step: the step is passed on (the edit already shows
// the value it leads to).
using StepHandler = std::function<EditOutcome(const PageContext&, int delta)>;
using PageRules = std::function<void(const PageContext&)>;

class PageHandlerRegistry {
public:
    // A list chosen, a box clicked, a button pressed, an edit typed into.
    void onChanged(int controlId, ControlHandler handler);
    // An edit left.
    void onLeft(int controlId, ControlHandler handler);
    // An up-down step of an edit; without one the step is taken as leaving the edit.
    void onStepped(int controlId, StepHandler handler);
    void setPageRules(Page page, PageRules rules);

    // The user acted on a row's control: the value is taken and the handler runs.
    EditOutcome edited(const PageContext& context, const RowEdit& edit) const;
    // A control that holds no parameter (a page's button) was pressed.
    EditOutcome pressed(const PageContext& context, int controlId) const;
    // The page's rules alone (nothing when it has none).
    void rules(const PageContext& context, Page page) const;
    // Every row of the page shown from the record, then its rules.
    void redisplay(const PageContext& context, Page page) const;

private:
    EditOutcome chosen(const PageContext& context, const RowEdit& edit, int controlId) const;
    EditOutcome left(const PageContext& context, const RowEdit& edit, int controlId) const;

    std::map<int, ControlHandler> changeHandlers;
    std::map<int, ControlHandler> leaveHandlers;
    std::map<int, StepHandler> stepHandlers;
    std::map<Page, PageRules> pageRules;
};

}  // namespace orv
