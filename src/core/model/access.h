#pragma once

#include <string_view>

#include "model/definitions.h"

namespace orv {

class FieldControls;

inline constexpr int kMaskCustomer = 0x011;
inline constexpr int kMaskCoordinator = 0x022;
inline constexpr int kMaskProduction = 0x044;
inline constexpr int kMaskEngineer = 0x088;
inline constexpr int kMaskTest = 0x300;

// The user mask of an access level name ("Customer" ... "Test"); -1 for an unknown name.
int userMaskForLevel(std::string_view level);

constexpr bool controlVisible(int userMask, int accessMask) { return (userMask & 0x30F & accessMask) != 0; }
constexpr bool controlEditable(int userMask, int accessMask) { return (userMask & 0x3F0 & accessMask) != 0; }

// Shows/hides and enables/disables the four controls of every row of the table
// whose page is the given page; with enableAllowed false everything is disabled.
void applyAccess(FieldControls& dialog, Page page, std::span<const ParameterDefinition> table, int userMask,
                 bool enableAllowed);

}  // namespace orv
