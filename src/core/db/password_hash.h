#pragma once

// Passwords are kept only as salted, slow hashes; the text typed is checked
// against the hash and never stored, shown or logged.

#include <cstddef>
#include <string>

namespace orv {

struct HashCost {
    unsigned long long operations;
    std::size_t memoryBytes;
};

// The cost of an interactive login; tests use the smallest cost there is.
inline constexpr HashCost kLoginHashCost{2, 64u * 1024u * 1024u};
inline constexpr HashCost kLowestHashCost{1, 8192};

// The longest hash text; the password column holds this many characters.
inline constexpr int kPasswordHashWidth = 128;

// 0 and the hash text; 1 when hashing failed (out of memory).
int hashPassword(const std::string& password, const HashCost& cost, std::string& hash);

// Whether typed is the password the stored hash was made from. A user row
// without a hash has the empty password.
bool passwordMatches(const std::string& storedHash, const std::string& typed);

// The built-in service account: its name, and whether typed is the password
// set for it on this installation (never while it is disabled).
inline constexpr const char* kServiceAccountName = "Keystone";
bool isServicePassword(const std::string& typed);

}  // namespace orv
