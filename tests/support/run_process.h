#pragma once

// Runs a program of the build (orvctl, the collar emulator) in a folder and
// collects its exit status, standard output and standard error.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace orv::test {

struct ProcessResult {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

inline std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// program: a path; args: the arguments after it; folder: the working directory
// ("" keeps ours). Standard input is /dev/null, as in CI.
inline ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::string& folder = "") {
    char outName[] = "/tmp/orv-out-XXXXXX";
    char errName[] = "/tmp/orv-err-XXXXXX";
    const int outFd = mkstemp(outName);
    const int errFd = mkstemp(errName);
    ProcessResult result;
    if (outFd < 0 || errFd < 0) return result;
    const pid_t pid = fork();
    if (pid == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, STDIN_FILENO);
        dup2(outFd, STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    lseek(outFd, 0, SEEK_SET);
    lseek(errFd, 0, SEEK_SET);
    result.out = readAll(outFd);
    result.err = readAll(errFd);
    close(outFd);
    close(errFd);
    unlink(outName);
    unlink(errName);
    return result;
}

#ifdef ORV_BIN_DIR
inline ProcessResult runOrvctl(const std::vector<std::string>& args, const std::string& folder) {
    return runProcess(std::string(ORV_BIN_DIR) + "/orvctl", args, folder);
}
#endif

}  // namespace orv::test
