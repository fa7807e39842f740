#pragma once

// "Set Parameter Defaults": six tabs of check boxes; the ticked parameters go
// back to the default values of their definitions. Every box carries the
// control id of its parameter's input control on the main window's pages, and
// which parameter a box stands for is found through the definitions: a general
// parameter belongs to the first of the five general tabs that has a box with
// its id, a season parameter to the "Schedule" tab. The dialog keeps no list of
// parameters of its own; a box whose id no parameter has resets nothing.

#include <array>
#include <string>
#include <vector>

#include "binding/field_controls.h"
#include "binding/memory_field_controls.h"
#include "model/parameter_defaults.h"

namespace orv {

inline constexpr const char* kDefaultsTitle = "Set Parameter Defaults";
inline constexpr const char* kDefaultsInstruction =
    "Select the parameters whose input controls should be set to the default value in the main dialog box.";
inline constexpr const char* kSelectAllButton = "Select All";
inline constexpr const char* kClearAllButton = "Clear All";
inline constexpr const char* kSeasonDefaultsNote =
    "Selected Schedule Parameters will be set to defaults in ALL seasons.";
inline constexpr const char* kDefaultsAllName = "all";

inline constexpr int kDefaultsTabCount = 6;
inline constexpr int kDefaultsScheduleTab = 5;

struct DefaultsBox {
    std::string label;  // the text beside the box ("" for most grid boxes)
    std::string name;   // the label, or for grid boxes "Column[N]" (what orvctl --reset takes)
    int controlId;
    bool enabled = true;
    std::string group;  // the frame it sits in; "" for none
    int gridRow = -1;   // inside a grid group: its cell
    int gridColumn = -1;
};

// A frame whose boxes stand in a grid under column headings.
struct DefaultsGrid {
    std::string group;
    std::vector<std::string> columns;
    std::vector<std::string> rows;  // row headings; empty when the first box of a row carries the text
};

struct DefaultsTab {
    std::string title;
    std::vector<DefaultsBox> boxes;  // in layout order
    std::vector<DefaultsGrid> grids;
    std::string note;
};

// The six tabs, in their order.
const std::array<DefaultsTab, kDefaultsTabCount>& defaultsDialogTabs();

// A box by its name: the tab and the box; nullptr when no box has the name.
struct DefaultsBoxRef {
    int tab;
    const DefaultsBox* box;
};
DefaultsBoxRef findDefaultsBox(const std::string& name);
// Every box name, tab by tab.
std::vector<std::string> defaultsBoxNames();

// The boxes of one tab as controls in memory: each box with its text and enabling.
void addDefaultsTabControls(MemoryFieldControls& page, int tab);

// The dialog's rules on its six pages of boxes (Qt widgets or memory pages).
class DefaultsDialog {
public:
    explicit DefaultsDialog(const std::array<FieldControls*, kDefaultsTabCount>& pages);

    // Ticks (clears) the box of every parameter, disabled boxes included.
    void selectAll();
    void clearAll();

    // The parameters whose boxes are ticked.
    DefaultsSelection selection() const;
    // OK: every ticked parameter to its default (season parameters in all
    // twelve seasons). String parameters are never touched.
    void accept(ParameterRecord& record) const;

private:
    FieldControls* generalBoxPage(int id) const;
    FieldControls* seasonBoxPage(int id) const;
    void setAll(bool checked);

    std::array<FieldControls*, kDefaultsTabCount> pages;
};

}  // namespace orv
