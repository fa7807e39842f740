#include "app/message_log.h"

#include <cstdio>
#include <ctime>
#include <mutex>

#include "app/format_text.h"

namespace orv {
namespace {

// The window thread and a device worker may both log; one line at a time.
std::mutex& logMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string firstChars(const std::string& text, std::size_t count) {
    return text.substr(0, count);
}

// The answer a box gets when nobody is there to show it.
int unshownAnswer(BoxKind kind) {
    return (kind == BoxKind::Choice || kind == BoxKind::YesNoCancel) ? kAnswerNo : kAnswerOk;
}

const char* answerSuffix(BoxKind kind, int answer) {
    if (answer == kAnswerYes) {
        return "  YES";
    }
    if (kind == BoxKind::Choice) {
        return "  NO (or cancel)";
    }
    return answer == kAnswerNo ? "  NO" : "  CANCEL";
}

}  // namespace

const char* boxCaption(BoxKind kind) {
    switch (kind) {
        case BoxKind::Error:
            return "Error";
        case BoxKind::Warning:
            return "Warning";
        case BoxKind::Information:
            return "Information";
        case BoxKind::Choice:
            return "Choice";
        case BoxKind::YesNoCancel:
            return "Yes/No/Cancel";
    }
    return "";
}

int MessageLog::logLine(const std::string& text) {
    if (logPath.empty()) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(logMutex());
    std::FILE* file = std::fopen(logPath.c_str(), "a");
    if (file == nullptr) {
        return 0;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%H:%M:%S", &local);
    std::fprintf(file, "\n%s -- %s", stamp, text.c_str());
    std::fclose(file);
    return 1;
}

int MessageLog::notice(BoxKind kind, const std::string& text) {
    logLine(text);
    if (kind != BoxKind::Error && showNotices != 1) {
        boxDetails.clear();
        return kAnswerOk;
    }
    return present(kind, text);
}

int MessageLog::present(BoxKind kind, const std::string& text) {
    const std::string details = std::exchange(boxDetails, std::string());
    if (presenter == nullptr) return unshownAnswer(kind);
    if (details.empty()) return presenter->present(kind, boxCaption(kind), text);
    return presenter->presentWithDetails(kind, boxCaption(kind), text, details);
}

int MessageLog::question(BoxKind kind, const std::string& text) {
    const std::string copy = firstChars(text, kAnswerCopyLength);
    std::string logged;
    int answer = kAnswerYes;
    if (showNotices == 1 && askQuestions == 1) {
        answer = present(kind, text);
        const std::string asked =
            firstChars(formatText("%s\n      User Answered:", copy.c_str()), kAnswerCopyLength);
        logged = formatText("%s%s", asked.c_str(), answerSuffix(kind, answer));
    } else {
        boxDetails.clear();
        logged = formatText("%s\n Message Box suppressed - assumed YES answer", copy.c_str());
    }
    logLine(logged);
    return answer;
}

int MessageLog::showV(BoxKind kind, const char* format, va_list args) {
    const std::string text = formatTextLimitedV(kMessageBufferSize - 1, format, args);
    if (kind == BoxKind::Choice || kind == BoxKind::YesNoCancel) {
        return question(kind, text);
    }
    return notice(kind, text);
}

#define ORV_MESSAGE_OPERATION(name, kind)             \
    int MessageLog::name(const char* format, ...) {   \
        va_list args;                                 \
        va_start(args, format);                       \
        const int answer = showV(kind, format, args); \
        va_end(args);                                 \
        return answer;                                \
    }

ORV_MESSAGE_OPERATION(error, BoxKind::Error)
ORV_MESSAGE_OPERATION(warning, BoxKind::Warning)
ORV_MESSAGE_OPERATION(information, BoxKind::Information)
ORV_MESSAGE_OPERATION(choice, BoxKind::Choice)
ORV_MESSAGE_OPERATION(yesNoCancel, BoxKind::YesNoCancel)

#undef ORV_MESSAGE_OPERATION

}  // namespace orv
