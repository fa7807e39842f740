#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/startup.h"
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
    FirmwareSelection& firmware;
    std::string settingsFile = kSettingsFileName;
};

// What the Write Device confirmations decided.
struct WritePlan {
    bool proceed = false;
    bool saveAfterProgramming = false;
    bool rootIdFlag = false;  // programming although the assigned PTT ID code is zero
};

// Which name the Change Device Name dialog renames.
enum class NameField { Job, Ctn };

struct ChangeNameCaptions {
    const char* current;
    const char* replacement;
};
ChangeNameCaptions changeNameCaptions(NameField field);

// The main window's workflows, without widgets: every button and field event
// of the main window ends up in one of these.
class MainWorkflow {
public:
    MainWorkflow(const WorkflowParts& parts, MainView& view);

    // After the window and its pages exist: access, the lists, the first device.
    void initialize();

    // The screen into the record: the shown tab, then the main window's own fields.
    void collectScreen();
    void collectMainFields();
    // Every page (both Transmitter forms, the season shown) and the main fields.
    void collectAllPages();
    // The record onto every page, the main fields and the database buttons.
    void showRecord();
    void showMainFields();
    void showPage(Page page);
    void updateDatabaseButtons();

    int saveRecord();
    void readRecord();
    void checkRecord();
    void deleteRecord();
    // focusedControl: the id of the control that has the focus (0 for none).
    void enterPressed(int focusedControl);
    void statusChanged();

    // The Job and CTN combos.
    void jobTyped();
    void ctnTyped();
    void jobLeft();
    void ctnLeft();
    void jobSelected();
    void ctnSelected();
    // Notes and Customer typed.
    void textEdited(int stringRow);

    // OK in the Change Device Name dialog; 0 renamed, 1 not.
    int changeDeviceName(NameField field, const std::string& newName);
    // "Read" in a lookup dialog.
    void loadLookedUpDevice(const std::string& job, const std::string& ctn, const std::string& status);
    void selectRange();
    // After the login dialog: false when nothing changed.
    bool applyLogin(const std::string& userName, const std::string& level, int userMask);
    // The Firmware combo chose a row.
    void applyFirmwareSelection(int row);
    // Get Defaults: the question first (false stops), then after the dialog's OK the record is shown.
    bool confirmDefaults();
    void defaultsApplied();
    // Exit: true when the window may close.
    bool exitApplication();
    // The tab control: store the tab being left, show the one chosen.
    void tabLeaving(Tab tab);
    void tabShown(Tab tab);

    // The device and file operations: what happens on the GUI thread before
    // the worker starts and after it has finished.
    WritePlan prepareWrite();
    // result: the programming's code; image: what was written.
    void writeFinished(int result, const WritePlan& plan, std::span<const std::uint8_t> image);
    void shutdownFinished(int result);
    // Read Device: the Fact. Parms values are emptied and shown first.
    void prepareReadDevice();
    // Check Device: the screen is collected first.
    void prepareCheckDevice();
    // After a device read or check, or an import: loaded when the record holds what was read.
    void readFinished(bool loaded);
    // After the firmware query: the selection follows the collar.
    void firmwareFinished(int result);
    // Export: false (after its message) when the firmware is not known.
    bool prepareExport();

    // The Range entries of the settings file (filled by initialize()).
    const std::vector<RangeEntry>& rangeEntries() const { return range; }
    // The record's device key as the lists show it.
    void refillLists();
    void markStoredStatuses();

    // The time the sign-off and programming dates are taken from.
    std::function<std::time_t()> clock = [] { return std::time(nullptr); };

    const WorkflowParts& parts() const { return p; }
    MainView& mainView() { return view; }

private:
    FieldControls* mainControls();
    std::string controlText(int stringRow);
    std::string statusText();
    int statusIndex(const std::string& status);
    void fillRangeList();
    void loadDevice(const std::string& status);

    WorkflowParts p;
    MainView& view;
    std::vector<RangeEntry> range;
};

// The identity area's controls: value control id of a string row, of a general row, of a control row.
int mainStringControl(int stringRow);
int mainGeneralControl(int generalRow);
int controlRowId(int controlRow);

// Control rows of the main window's buttons.
namespace MainControlRow {
inline constexpr int ChangeJob = 0;
inline constexpr int ChangeCtn = 1;
inline constexpr int Range = 30;
inline constexpr int DatabaseUtility = 34;
inline constexpr int GetDefaults = 35;
inline constexpr int DatabaseFrame = 36;
inline constexpr int Save = 37;
inline constexpr int Read = 38;
inline constexpr int Delete = 39;
inline constexpr int Export = 40;
inline constexpr int Import = 41;
inline constexpr int DeviceFrame = 42;
inline constexpr int ReadDevice = 43;
inline constexpr int WriteDevice = 44;
inline constexpr int ComPort = 45;
inline constexpr int Print = 46;
inline constexpr int Clock = 47;
inline constexpr int Shutdown = 48;
}  // namespace MainControlRow

}  // namespace orv
