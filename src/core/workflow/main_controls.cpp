#include "workflow/main_controls.h"

#include <cstddef>

#include "model/definitions.h"

namespace orv {

int mainStringControl(int stringRow) {
    return stringDefinitions()[static_cast<std::size_t>(stringRow)].controlId;
}
int mainGeneralControl(int generalRow) {
    return generalDefinitions()[static_cast<std::size_t>(generalRow)].controlId;
}

}  // namespace orv
