#include "model/access.h"

#include "model/field_controls.h"

namespace orv {

int userMaskForLevel(std::string_view level) {
    for (const AccessLevel& l : kAccessLevels)
        if (level == l.name) return l.mask;
    return -1;
}

const char* levelNameForMask(int userMask) {
    for (const AccessLevel& l : kAccessLevels)
        if (l.mask == userMask) return l.name;
    return kCustomerLevel;
}

int storedLevelMask(std::string_view level) {
    const int mask = userMaskForLevel(level);
    return mask < 0 ? kMaskCustomer : mask;
}

void applyAccess(FieldControls& dialog, Page page, std::span<const ParameterDefinition> table, int userMask,
                 bool enableAllowed) {
    for (const ParameterDefinition& def : table) {
        if (def.page != page) {
            continue;
        }
        const bool shown = controlVisible(userMask, def.accessMask);
        const bool enabled = enableAllowed && controlEditable(userMask, def.accessMask);
        for (const int id : {def.controlId, def.spinId, def.labelId, def.extraId}) {
            // A row may name controls this page does not have (a keyless frame, a
            // label-only row); those are skipped.
            if (id != 0 && dialog.hasControl(id)) {
                dialog.showControl(id, shown);
                dialog.enableControl(id, enabled);
            }
        }
    }
}

}  // namespace orv
