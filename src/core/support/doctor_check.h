#pragma once

// One finding of the computer check ("orvctl doctor", the window's "Check this
// computer..."): what was looked at, how it stands, and how to mend it.

#include <string>
#include <vector>

namespace orv {

enum class CheckStatus { Ok, Warning, Failed };

struct DoctorCheck {
    std::string name;  // what was checked ("Serial port /dev/ttyUSB0")
    CheckStatus status = CheckStatus::Ok;
    std::string detail;  // what was found
    std::string fix;     // one line saying how to mend it ("" when nothing is to do)
};

// "ok", "warning", "failed".
const char* statusName(CheckStatus status);

bool anyFailed(const std::vector<DoctorCheck>& checks);

// "1 failed, 2 warnings": how the list stands, in one line.
std::string doctorSummary(const std::vector<DoctorCheck>& checks);

// The list as people read it: one "[status] name: detail" line per check, the
// fix indented under it, and a last line counting the warnings and failures.
std::string doctorText(const std::vector<DoctorCheck>& checks);

}  // namespace orv
