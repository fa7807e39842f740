#include "binding/control_access.h"

#include "binding/field_controls.h"
#include "model/access.h"

namespace orv {

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
