#pragma once

// The built-in service account lets support in when the password database is
// broken. Its password is set per installation: only its hash is kept, in a
// file that only an administrator can write, and the account stays disabled
// until that file holds a hash.

#include <string>

#include "db/password_hash.h"

namespace orv {

class MessageLog;

// The installation's file: ORV_SERVICE_ACCOUNT_FILE when set, else
// /etc/orv/service-account.
std::string serviceAccountFile();

// The stored hash; empty (the account disabled) when the file is missing, empty,
// or could have been written by anyone but the administrator (not owned by
// root, or writable by its group or by others).
std::string installedServiceHash(const std::string& path);

// Stores the hash of password in path (owned by root, mode 0644, written
// through a temporary file). 0 when stored; 1 after the message why not.
int storeServicePassword(const std::string& path, const std::string& password, const HashCost& cost,
                         MessageLog& log);

// The message a login as the service account gets while it is disabled.
inline constexpr const char* kServiceAccountDisabled =
    "The service account is disabled: its password has not been set on this computer\n"
    "(an administrator sets it with 'orvctl users service-password').";

}  // namespace orv
