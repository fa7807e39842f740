#pragma once

#include <string_view>

#include "model/definitions.h"

namespace orv {

inline constexpr int kMaskCustomer = 0x011;
inline constexpr int kMaskCoordinator = 0x022;
inline constexpr int kMaskProduction = 0x044;
inline constexpr int kMaskEngineer = 0x088;
inline constexpr int kMaskTest = 0x300;

// The bits of a mask that say who sees a control (a row's low nibble) and who
// may edit it (the next nibble); the Test level's two bits count for both.
inline constexpr int kSeeBits = 0x30F;
inline constexpr int kEditBits = 0x3F0;

// Sets of levels.
inline constexpr int kEveryLevel =
    kMaskCustomer | kMaskCoordinator | kMaskProduction | kMaskEngineer | kMaskTest;
inline constexpr int kUserLevels =
    kMaskCustomer | kMaskCoordinator | kMaskProduction | kMaskEngineer;  // not Test
inline constexpr int kStaffLevels = kMaskCoordinator | kMaskProduction | kMaskEngineer;
inline constexpr int kCoordinatorAndEngineer = kMaskCoordinator | kMaskEngineer;
inline constexpr int kProductionAndEngineer = kMaskProduction | kMaskEngineer;

// A row's access mask: the levels that see its controls, and those of them that may edit.
constexpr int accessMaskFor(int seenBy, int editedBy) {
    return (seenBy & kSeeBits) | (editedBy & kEditBits);
}

// The access masks the definition rows carry, named for who sees and who edits.
namespace Access {
inline constexpr int Everyone = accessMaskFor(kEveryLevel, kEveryLevel);
inline constexpr int Nobody = accessMaskFor(0, 0);
inline constexpr int EngineerOnly = accessMaskFor(kMaskEngineer, kMaskEngineer);
inline constexpr int CoordinatorAndEngineer = accessMaskFor(kCoordinatorAndEngineer, kCoordinatorAndEngineer);
inline constexpr int Staff = accessMaskFor(kStaffLevels, kStaffLevels);
inline constexpr int CoordinatorSeesEngineerEdits = accessMaskFor(kCoordinatorAndEngineer, kMaskEngineer);
inline constexpr int StaffSeeEngineerEdits = accessMaskFor(kStaffLevels, kMaskEngineer);
inline constexpr int StaffSeeProductionEdits = accessMaskFor(kStaffLevels, kProductionAndEngineer);
inline constexpr int UsersSeeEngineerEdits = accessMaskFor(kUserLevels, kMaskEngineer);
inline constexpr int UsersSeeCoordinatorEdits = accessMaskFor(kUserLevels, kCoordinatorAndEngineer);
inline constexpr int UsersSeeStaffEdits = accessMaskFor(kUserLevels, kStaffLevels);
}  // namespace Access

// The levels of the users, by the name they are stored under, in the order
// the maintenance dialog lists them. The mask has two bits, one in each nibble
// group: the low group says what the user sees, the high group what the user may edit.
struct AccessLevel {
    const char* name;
    int mask;
};
inline constexpr AccessLevel kAccessLevels[] = {{"Customer", kMaskCustomer},
                                                {"Test", kMaskTest},
                                                {"Production", kMaskProduction},
                                                {"Coordinator", kMaskCoordinator},
                                                {"Engineer", kMaskEngineer}};
inline constexpr const char* kCustomerLevel = "Customer";
inline constexpr const char* kEngineerLevel = "Engineer";

// The user mask of an access level name ("Customer" ... "Test"); -1 for an unknown name.
int userMaskForLevel(std::string_view level);
// The mask of a stored level name; any name but the four others gives Customer.
int storedLevelMask(std::string_view level);
// The name of a level's mask; Customer for a mask of no level.
const char* levelNameForMask(int userMask);
// One of the five level names, spelled exactly.
inline bool isLevelName(std::string_view level) {
    return userMaskForLevel(level) >= 0;
}

// Who may do what, by user mask.
constexpr bool isEngineer(int userMask) {
    return (userMask & kMaskEngineer) != 0;
}
// Sign-off, and saving a device after programming it.
constexpr bool isEngineerOrCoordinator(int userMask) {
    return (userMask & (kMaskEngineer | kMaskCoordinator)) != 0;
}
constexpr bool mayMaintainUsers(int userMask) {
    return (userMask & kMaskEngineer & kEditBits) != 0;
}
// Every level above Customer logs in with a password.
constexpr bool levelNeedsPassword(int userMask) {
    return userMask != kMaskCustomer;
}
// Database Save and Delete of a device by its status, and of the " DEFAULT" Job.
constexpr bool mayChangeSignedOffDevice(int userMask) {
    return userMask == kMaskEngineer || userMask == kMaskCoordinator;
}
constexpr bool mayChangeProgrammedDevice(int userMask) {
    return userMask == kMaskEngineer;
}
constexpr bool mayChangeDefaultJob(int userMask) {
    return userMask == kMaskEngineer;
}

constexpr bool controlVisible(int userMask, int accessMask) {
    return (userMask & kSeeBits & accessMask) != 0;
}
constexpr bool controlEditable(int userMask, int accessMask) {
    return (userMask & kEditBits & accessMask) != 0;
}

}  // namespace orv
