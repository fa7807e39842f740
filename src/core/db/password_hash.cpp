#include "db/password_hash.h"

#include <sodium.h>

#include "db/service_account.h"

namespace orv {
namespace {

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

static_assert(kPasswordHashWidth == crypto_pwhash_STRBYTES, "the column holds every hash text");

}  // namespace

int hashPassword(const std::string& password, const HashCost& cost, std::string& hash) {
    char text[crypto_pwhash_STRBYTES];
    if (!sodiumReady() ||
        crypto_pwhash_str(text, password.data(), password.size(), cost.operations, cost.memoryBytes) != 0) {
        return 1;
    }
    hash = text;
    return 0;
}

bool passwordMatches(const std::string& storedHash, const std::string& typed) {
    if (storedHash.empty()) return typed.empty();
    return sodiumReady() && crypto_pwhash_str_verify(storedHash.c_str(), typed.data(), typed.size()) == 0;
}

bool isServicePassword(const std::string& typed) {
    // A missing hash would match the empty password: the disabled account matches nothing.
    const std::string hash = installedServiceHash(serviceAccountFile());
    return !hash.empty() && passwordMatches(hash, typed);
}

}  // namespace orv
