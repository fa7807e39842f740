// Serial ports: the device is there and is a terminal, this user may open it,
// no other program holds it; and the two services that take serial adapters.

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "support/doctor.h"
#include "support/process_table.h"
#include "support/support_messages.h"

namespace orv {

namespace {

std::string groupName(gid_t gid) {
    if (const group* found = ::getgrgid(gid)) return found->gr_name;
    return std::to_string(gid);
}

std::string userName() {
    if (const passwd* found = ::getpwuid(::getuid())) return found->pw_name;
    return std::to_string(::getuid());
}

// The holders by name and PID; a long list is cut after the first few.
std::string holderList(const std::vector<ProcessInfo>& holders) {
    constexpr std::size_t kShown = 4;
    std::string text;
    for (std::size_t i = 0; i < holders.size() && i < kShown; ++i) {
        if (!text.empty()) text += ", ";
        text += holders[i].name + " (PID " + std::to_string(holders[i].pid) + ")";
    }
    if (holders.size() > kShown) text += doctortext::moreHolders(holders.size() - kShown);
    return text;
}

}  // namespace

DoctorCheck checkPort(const PortToCheck& port) {
    DoctorCheck check{
        port.slot >= 0 ? doctortext::slotPortName(port.slot, port.path) : doctortext::portName(port.path),
        CheckStatus::Failed, "", ""};
    struct stat info {};
    if (::stat(port.path.c_str(), &info) != 0) {
        // A slot nobody uses may well have no adapter behind it.
        check.status = port.inUse ? CheckStatus::Failed : CheckStatus::Warning;
        check.detail = doctortext::kPortMissing;
        check.fix = doctortext::kPortMissingFix;
        return check;
    }
    if (!S_ISCHR(info.st_mode)) {
        check.detail = doctortext::kPortNotTerminal;
        check.fix = doctortext::kPortNotTerminalFix;
        return check;
    }
    if (::access(port.path.c_str(), R_OK | W_OK) != 0) {
        const std::string group = groupName(info.st_gid);
        check.detail = doctortext::portDenied(userName(), group);
        check.fix = doctortext::portDeniedFix(userName(), group);
        return check;
    }
    const int fd = ::open(port.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        check.detail = doctortext::portOpenFailed(std::strerror(errno));
        check.fix = doctortext::kPortOpenFailedFix;
        return check;
    }
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    if (!terminal) {
        check.detail = doctortext::kPortNotTerminal;
        check.fix = doctortext::kPortNotTerminalFix;
        return check;
    }
    if (const std::vector<ProcessInfo> holders = processesHolding(port.path); !holders.empty()) {
        check.detail = doctortext::portHeld(holderList(holders));
        check.fix = doctortext::portHeldFix(holders.front().name, holders.front().pid);
        return check;
    }
    check.status = CheckStatus::Ok;
    check.detail = doctortext::kPortOk;
    return check;
}

DoctorCheck checkSerialGrabbers() {
    DoctorCheck check{doctortext::kGrabbersName, CheckStatus::Ok, doctortext::kGrabbersNone, ""};
    const std::vector<ProcessInfo> running = processesNamed({"ModemManager", "brltty"});
    for (const ProcessInfo& process : running) {
        check.status = CheckStatus::Warning;
        const std::string found = doctortext::grabberRunning(process.name, process.pid);
        check.detail = check.detail == doctortext::kGrabbersNone ? found : check.detail + "; " + found;
        const std::string fix =
            process.name == "brltty" ? doctortext::kBrlttyFix : doctortext::kModemManagerFix;
        check.fix = check.fix.empty() ? fix : check.fix + "; " + fix;
    }
    return check;
}

}  // namespace orv
