#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "model/logged_in_user.h"
#include "workflow/main_view.h"

namespace orv {

class FieldConverter;
class FieldControls;
class FirmwareSelection;
class MessageLog;
class PageSet;
class ParameterDb;
struct ParameterRecord;

// The program's parts the main window's workflows work with.
struct WorkflowParts {
    ParameterRecord& record;
    MessageLog& log;
    PageSet& pages;
    FieldConverter& converter;
    ParameterDb& db;
    AppSettings& settings;
    LoggedInUser& user;  // the one the window acts for
    FirmwareSelection& firmware;
    std::string settingsFile = kSettingsFileName;
    // The time the sign-off and programming dates are taken from.
    std::function<std::time_t()> clock = [] { return std::time(nullptr); };
};

// Which status the status list selects after its stored statuses were marked.
enum class StatusSelection {
    Kept,      // the one selected before
    OfRecord,  // the record's status
};

// The screen and the record kept in step: the shown tab and the identity area
// collected into the record, the record shown on every page, the identity
// area's lists and the database buttons. The other main window workflows
// (identity fields, database, device and file operations) work through it.
class MainScreen {
public:
    MainScreen(const WorkflowParts& parts, MainView& view);

    // The screen into the record: the shown tab, then the main window's own fields.
    void collectScreen();
    void collectMainFields();
    // Every page (both Transmitter forms, the season shown) and the main fields.
    void collectAllPages();
    // The record onto every page, the main fields and the database buttons.
    void showRecord();
    void showMainFields();
    void showPage(Page page);
    // Save and Delete by the status, the user, the Job and the Range selection; then the change markers.
    void updateDatabaseButtons();

    // The tab control: store the tab being left, show the one chosen.
    void tabLeaving(Tab tab);
    void tabShown(Tab tab);

    // The Job and CTN lists for the record's device, whose key the combos then show.
    void refillLists();
    // The status list anew, the statuses stored for the Job and CTN on screen marked.
    void markStoredStatuses(StatusSelection selection);

    // The Range list from the settings file, its last entry selected.
    void fillRangeList();
    const std::vector<RangeEntry>& rangeEntries() const { return range; }

    // The identity area (page Main); nullptr before the window exists.
    FieldControls* mainControls();
    // A string row's text on screen without trailing blanks ("" without controls).
    std::string controlText(int stringRow);
    // The selected status without its marker.
    std::string statusText();

    const WorkflowParts& parts() const { return p; }
    WorkflowParts& parts() { return p; }
    MainView& mainView() { return view; }

private:
    WorkflowParts p;
    MainView& view;
    std::vector<RangeEntry> range;
};

}  // namespace orv
