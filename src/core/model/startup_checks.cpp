#include "model/startup_checks.h"

#include "app/message_log.h"
#include "model/definitions.h"
#include "model/model_messages.h"

namespace orv {

DefinitionCounts currentDefinitionCounts() {
    return DefinitionCounts{
        static_cast<int>(generalDefinitions().size()), static_cast<int>(seasonDefinitions().size()),
        static_cast<int>(stringDefinitions().size()), static_cast<int>(controlDefinitions().size())};
}

int checkDefinitionCounts(MessageLog& log, const DefinitionCounts& counts) {
    if (counts.general == kGeneralCount && counts.season == kSeasonCount && counts.string == kStringCount &&
        counts.control == kControlCount) {
        return 0;
    }
    log.error("%s", modeltext::kDefinitionsMismatch);
    return -1;
}

}  // namespace orv
