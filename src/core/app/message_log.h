#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <utility>

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

    // The same five, by kind, for callers that pass their arguments on.
    int showV(BoxKind kind, const char* format, va_list args) __attribute__((format(printf, 3, 0)));

    // Details for the next box only, shown behind its "Show Details..." button
    // where the presenter has one; dropBoxDetails() forgets them unshown.
    void attachBoxDetails(std::string details) { boxDetails = std::move(details); }
    void dropBoxDetails() { boxDetails.clear(); }

    // Appends "\n%H:%M:%S -- text" to logPath; 1 when a line was written.
    int logLine(const std::string& text);

    std::string logPath;
    int showNotices = 1;
    int askQuestions = 1;

    // Shows the boxes; with none, every box counts as answered with its default (OK / No).
    MessagePresenter* presenter = nullptr;

private:
    int notice(BoxKind kind, const std::string& text);
    int present(BoxKind kind, const std::string& text);
    std::string boxDetails;
    int question(BoxKind kind, const std::string& text);
};

// The caption of a box of the kind: "Error", "Warning", "Information", "Choice", "Yes/No/Cancel".
const char* boxCaption(BoxKind kind);

// Size of the buffer a message is formatted into (the text keeps one less), and
// the length of the copy of a question kept for its answer line.
inline constexpr std::size_t kMessageBufferSize = 10000;
inline constexpr std::size_t kAnswerCopyLength = 255;

}  // namespace orv
