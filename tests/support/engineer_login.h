#pragma once

// An Engineer for orvctl runs in a test folder: made once in the folder's
// password database; the password goes to the programs through ORV_PASSWORD,
// never on their command lines.

#include <cstdlib>
#include <string>
#include <vector>

#include "run_process.h"

namespace orv::test {

inline constexpr const char* kTestEngineer = "Eng";
inline constexpr const char* kTestEngineerPassword = "engineer words";

#ifdef ORV_BIN_DIR
// The options that log the Engineer in; the user is added on the first call.
inline std::vector<std::string> engineerLogin(const std::string& folder) {
    setenv("ORV_PASSWORD", kTestEngineerPassword, 1);
    static std::string madeIn;
    if (madeIn != folder) {
        runOrvctl({"users", "add", "--pwdb", "PWord.mdb", "--user", kTestEngineer, "--level", "Engineer", "--yes"},
                  folder);
        madeIn = folder;
    }
    return {"--user", kTestEngineer, "--pwdb", "PWord.mdb"};
}
#endif

}  // namespace orv::test
