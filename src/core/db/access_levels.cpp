#include "db/access_levels.h"

namespace orv {

int accessCodeForLevel(std::string_view level) {
    if (level == "Engineer") return kEngineerCode;
    if (level == "Coordinator") return kCoordinatorCode;
    if (level == "Production") return kProductionCode;
    if (level == "Test") return kTestCode;
    return kCustomerCode;
}

bool isLevelName(std::string_view level) {
    for (const char* name : kLevelNames) {
        if (level == name) return true;
    }
    return false;
}

}  // namespace orv
