#pragma once

#include <string>

#include "app/message_presenter.h"

namespace orv {

// Every message box passes through here: format, log (optionally), show.
class MessageLog {
public:
    explicit MessageLog(MessagePresenter* shownBy = nullptr) : presenter(shownBy) {}

    
    int error(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int warning(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int information(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int choice(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int yesNoCancel(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Appends "\n%H:%M:%S -- text" to logPath; 1 when a line was written.
    int logLine(const std::string& text);

    std::string logPath;
    int showNotices = 1;
    int askQuestions = 1;

    // Shows the boxes; with none, every box counts as answered with its default (OK / No).
    MessagePresenter* presenter = nullptr;
};

}  // namespace orv
