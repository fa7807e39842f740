#pragma once

#include <optional>
#include <string>

#include "binding/page_row.h"
#include "model/logged_in_user.h"

namespace orv {

class MainScreen;

// Which name the Change Device Name dialog renames.
enum class NameField { Job, Ctn };

struct ChangeNameCaptions {
    const char* current;
    const char* replacement;
};
ChangeNameCaptions changeNameCaptions(NameField field);

// The identity area of the main window: the Job, CTN and status combos, Notes
// and Customer, the Range list, renaming and the lookups, the user and the
// firmware selection, and loading the device its key names.
class IdentityWorkflow {
public:
    explicit IdentityWorkflow(MainScreen& screen);

    // After the window and its pages exist: access, the lists, the first device.
    void initialize();

    // Enter: focused is the row whose value control has the keyboard focus
    // (none when the focus is on no bound row).
    void enterPressed(std::optional<PageRow> focused = std::nullopt);
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
    bool applyLogin(const LoggedInUser& login);
    // The Firmware combo chose a row.
    void applyFirmwareSelection(int row);

private:
    void loadDevice(const std::string& status);
    void markKeyChanged();

    MainScreen& screen;
};

}  // namespace orv
