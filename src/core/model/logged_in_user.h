#pragma once

#include <string>

#include "model/access.h"

namespace orv {

struct ParameterRecord;

// The user the program acts for: the name logged in, the level's name as the
// password database stores it, and the level's access mask. The window,
// orvctl and the pages without a window all keep their user as this.
struct LoggedInUser {
    std::string name;  // empty until the window's login step
    std::string level = kCustomerLevel;
    int mask = kMaskCustomer;
};

// Writes the login into the record: its "User Name" and "User Access Level".
void recordLogin(ParameterRecord& record, const LoggedInUser& user);

}  // namespace orv
