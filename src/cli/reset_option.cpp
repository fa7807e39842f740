// --reset: the defaults dialog, headless, on boxes held in memory.

#include "reset_option.h"

#include "cli_messages.h"
#include "cli_registry.h"
#include "pages/defaults_dialog.h"

namespace orv::cli {
namespace {

const bool kResetRegistered = [] {
    commonOptions().insert("reset");
    return true;
}();

std::string validLabels() {
    std::string list = kDefaultsAllName;
    for (const DefaultsTab& tab : defaultsDialogTabs()) {
        for (const DefaultsBox& box : tab.boxes) {
            if (box.enabled) list += "\n  " + box.name;
        }
    }
    return list;
}

}  // namespace

int applyReset(Session& session, const std::string& label) {
    (void)kResetRegistered;
    std::array<MemoryFieldControls, kDefaultsTabCount> boxes;
    std::array<FieldControls*, kDefaultsTabCount> pages{};
    for (int tab = 0; tab < kDefaultsTabCount; ++tab) {
        addDefaultsTabControls(boxes[static_cast<std::size_t>(tab)], tab);
        pages[static_cast<std::size_t>(tab)] = &boxes[static_cast<std::size_t>(tab)];
    }
    DefaultsDialog dialog(pages);
    if (label == kDefaultsAllName) {
        dialog.selectAll();
    } else {
        // A disabled box cannot be ticked; only "Select All" reaches it.
        const DefaultsBoxRef ref = findDefaultsBox(label);
        if (ref.box == nullptr || !ref.box->enabled)
            return usageError(clitext::resetLabelUnknown(label, validLabels()));
        boxes[static_cast<std::size_t>(ref.tab)].setCheckState(ref.box->controlId, true);
    }
    dialog.accept(session.record);
    return kExitOk;
}

}  // namespace orv::cli
