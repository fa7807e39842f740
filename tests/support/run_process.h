#pragma once

// Runs a program of the build (orvctl, the collar emulator) in a folder and
// collects its exit status, standard output and standard error.

#include <fcntl.h>
#include <stdlib.h>
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

// A program started and not yet waited for; its output goes to temporary files.
struct RunningProcess {
    pid_t pid = -1;
    int outFd = -1;
    int errFd = -1;
};

// program: a path; args: the arguments after it; folder: the working directory
// ("" keeps ours). Standard input is /dev/null, as in CI.
inline RunningProcess startProcess(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& folder = "") {
    char outName[] = "/tmp/orv-out-XXXXXX";
    char errName[] = "/tmp/orv-err-XXXXXX";
    RunningProcess running;
    running.outFd = mkstemp(outName);
    running.errFd = mkstemp(errName);
    if (running.outFd < 0 || running.errFd < 0) return running;
    unlink(outName);  // the descriptors keep the files until they are closed
    unlink(errName);
    running.pid = fork();
    if (running.pid == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, STDIN_FILENO);
        dup2(running.outFd, STDOUT_FILENO);
        dup2(running.errFd, STDERR_FILENO);
        // A program that stays behind (a database server it starts) must not
        // keep the caller's descriptors open, such as a lock the caller holds.
        closefrom(3);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return running;
}

// Waits for a started program and collects what it wrote.
inline ProcessResult finishProcess(RunningProcess& running) {
    ProcessResult result;
    if (running.pid > 0) {
        int status = 0;
        waitpid(running.pid, &status, 0);
        if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    }
    if (running.outFd >= 0) {
        lseek(running.outFd, 0, SEEK_SET);
        result.out = readAll(running.outFd);
        close(running.outFd);
    }
    if (running.errFd >= 0) {
        lseek(running.errFd, 0, SEEK_SET);
        result.err = readAll(running.errFd);
        close(running.errFd);
    }
    running = {};
    return result;
}

inline ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::string& folder = "") {
    RunningProcess running = startProcess(program, args, folder);
    return finishProcess(running);
}

// The test Engineer of a folder: made once in the folder's password database
// (as its first Engineer, which needs no login); the password goes to the
// programs through ORV_PASSWORD, never on their command lines.
inline constexpr const char* kTestEngineer = "Eng";
inline constexpr const char* kTestEngineerPassword = "engineer words";

#ifdef ORV_BIN_DIR
// The options that log the folder's test Engineer in; the user is added on the first call.
inline std::vector<std::string> engineerLogin(const std::string& folder) {
    setenv("ORV_PASSWORD", kTestEngineerPassword, 1);
    static std::string madeIn;
    if (madeIn != folder) {
        runProcess(
            std::string(ORV_BIN_DIR) + "/orvctl",
            {"users", "add", "--pwdb", "PWord.mdb", "--user", kTestEngineer, "--level", "Engineer", "--yes"},
            folder);
        madeIn = folder;
    }
    return {"--user", kTestEngineer, "--pwdb", "PWord.mdb"};
}

// --raw stores values unchecked, for tests and repairs, and takes an Engineer
// login: a test's command line with --raw and no --user logs the folder's test
// Engineer in, so that what the test is about stays in view.
inline std::vector<std::string> withRawLogin(std::vector<std::string> args, const std::string& folder) {
    bool raw = false;
    for (const auto& word : args) {
        if (word == "--user") return args;
        raw = raw || word == "--raw" || word.rfind("--raw=", 0) == 0;
    }
    if (!raw) return args;
    for (auto& option : engineerLogin(folder)) args.push_back(std::move(option));
    return args;
}

inline ProcessResult runOrvctl(const std::vector<std::string>& args, const std::string& folder) {
    return runProcess(std::string(ORV_BIN_DIR) + "/orvctl", withRawLogin(args, folder), folder);
}

// Runs every command line at the same time, each in its own orvctl process.
inline std::vector<ProcessResult> runOrvctlTogether(const std::vector<std::vector<std::string>>& commands,
                                                    const std::string& folder) {
    std::vector<RunningProcess> running;
    for (const auto& args : commands)
        running.push_back(
            startProcess(std::string(ORV_BIN_DIR) + "/orvctl", withRawLogin(args, folder), folder));
    std::vector<ProcessResult> results;
    for (auto& process : running) results.push_back(finishProcess(process));
    return results;
}
#endif

}  // namespace orv::test
