#include "manifest_option.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/replace_file.h"
#include "cli.h"
#include "cli_messages.h"
#include "fleet_messages.h"

namespace orv::cli {

int readManifestFile(const std::string& path, BatchManifest& manifest) {
    std::string text;
    if (!readWholeFile(path, text) || text.empty()) {
        reportFailure(clitext::manifestUnreadable(path));
        return kExitFailed;
    }
    std::vector<std::string> problems;
    if (parseBatchManifest(text, manifest, problems)) return kExitOk;
    for (const std::string& problem : problems) reportFailure(clitext::manifestProblem(path, problem));
    return kExitUsage;
}

bool nextCollarsConnected(const std::vector<const BatchEntry*>& wave, const std::atomic<bool>& stop) {
    if (isatty(STDIN_FILENO) != 1) return false;
    std::string ports;
    for (const BatchEntry* entry : wave) ports += (ports.empty() ? "" : ", ") + entry->port;
    std::fprintf(stderr, "%s\n", clitext::nextCollarsPrompt(ports).c_str());
    std::fflush(stderr);
    for (char c = 0; c != '\n';) {
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR && !stop) continue;
        if (n <= 0 || stop) return false;
    }
    return true;
}

}  // namespace orv::cli
