#include "model/access.h"

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

}  // namespace orv
