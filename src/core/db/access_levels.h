#pragma once

// The access levels of the users and what each allows. A level is stored by
// name; its code (two bits, one in each nibble group) is kept for the run.

#include <string_view>

#include "model/access.h"

namespace orv {

inline constexpr int kCustomerCode = kMaskCustomer;        // 17
inline constexpr int kCoordinatorCode = kMaskCoordinator;  // 34
inline constexpr int kProductionCode = kMaskProduction;    // 68
inline constexpr int kEngineerCode = kMaskEngineer;        // 136
inline constexpr int kTestCode = kMaskTest;                // 768

inline constexpr const char* kCustomerLevel = "Customer";
inline constexpr const char* kEngineerLevel = "Engineer";

// The code of a stored level name; any name but the four others gives Customer.
int accessCodeForLevel(std::string_view level);

// The entries of the maintenance dialog's level list, in its order.
inline constexpr const char* kLevelNames[] = {"Customer", "Test", "Production", "Coordinator", "Engineer"};

// One of the five level names, spelled exactly.
bool isLevelName(std::string_view level);

// Every level above Customer logs in with a password, so one is needed when a
// user of such a level is made or given a new password from the command line.
constexpr bool levelNeedsPassword(int code) {
    return code != kCustomerCode;
}

// The rights the codes give, where the dialogs apply them.
constexpr bool canMaintainUsers(int code) {
    return (code & 0x80) != 0;
}
constexpr bool canSignOff(int code) {
    return (code & 0x88) != 0 || (code & 0x22) != 0;
}
constexpr bool canSaveProgrammed(int code) {
    return (code & 0x88) != 0;
}
constexpr bool canChooseSaveAfterProgramming(int code) {
    return (code & 0x88) != 0;
}
// Database Save and Delete of a device by its status, and of the " DEFAULT" Job.
constexpr bool canChangeSignedOffDevice(int code) {
    return code == kEngineerCode || code == kCoordinatorCode;
}
constexpr bool canChangeProgrammedDevice(int code) {
    return code == kEngineerCode;
}
constexpr bool canChangeDefaultJob(int code) {
    return code == kEngineerCode;
}
constexpr bool canEditArgosVariables(int code) {
    return code == kEngineerCode || code == kCoordinatorCode;
}

}  // namespace orv
