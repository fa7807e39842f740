#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "cli.h"

namespace orv::cli {

namespace {

const char* prefixOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Error:
            return "Error: ";
        case BoxKind::Warning:
            return "Warning: ";
        case BoxKind::Information:
            return "Information: ";
        case BoxKind::Choice:
        case BoxKind::YesNoCancel:
            break;
    }
    return "Question: ";
}

// Asks on the terminal; anything but an answer starting with y/Y is No (c/C is Cancel where allowed).
int askTerminal(BoxKind kind) {
    std::fprintf(stderr, kind == BoxKind::YesNoCancel ? "[y/n/c] " : "[y/n] ");
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line) || line.empty()) return kAnswerNo;
    if (line[0] == 'y' || line[0] == 'Y') return kAnswerYes;
    if (kind == BoxKind::YesNoCancel && (line[0] == 'c' || line[0] == 'C')) return kAnswerCancel;
    return kAnswerNo;
}

}  // namespace

int StderrPresenter::present(BoxKind kind, const std::string& /*caption*/, const std::string& text) {
    std::fprintf(stderr, "%s%s\n", prefixOf(kind), text.c_str());
    if (kind != BoxKind::Choice && kind != BoxKind::YesNoCancel) return kAnswerOk;
    int answer = forcedAnswer;
    if (answer == 0) answer = isatty(STDIN_FILENO) ? askTerminal(kind) : kAnswerNo;
    std::fprintf(stderr, "Answer: %s\n",
                 answer == kAnswerYes      ? "Yes"
                 : answer == kAnswerCancel ? "Cancel"
                                           : "No");
    return answer;
}

int usageError(const std::string& what) {
    std::fprintf(stderr, "orvctl: %s\nRun 'orvctl --help' for usage.\n", what.c_str());
    return kExitUsage;
}

void reportFailure(const std::string& what) {
    std::fprintf(stderr, "orvctl: %s\n", what.c_str());
}

}  // namespace orv::cli
