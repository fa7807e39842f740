#include "reports/save_report.h"

#include <unistd.h>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "reports/reports_messages.h"

namespace orv {

namespace {

// The longest path the Save As dialog hands back.
constexpr std::size_t kMaxReportPath = 260;

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 1);
    for (const char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

// An existing file that may not be written is left alone, as opening it for
// writing would fail.
bool replaceable(const std::string& path) {
    return ::access(path.c_str(), F_OK) != 0 || ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

int saveReportText(const std::string& text, std::string fileName, MessageLog& log,
                   const ReportFileChooser& chooseFile) {
    if (fileName.empty() && chooseFile) {
        fileName = chooseFile();
        if (fileName.size() > kMaxReportPath) fileName.resize(kMaxReportPath);
    }
    if (fileName.empty()) return kReportNotSaved;
    if (!replaceable(fileName) || replaceFile(fileName, withCrLf(text), "SPRXXXXXX") != 1) {
        log.error("%s", reportOpenFailedMessage(fileName).c_str());
        return kReportOpenFailed;
    }
    return kReportSaved;
}

}  // namespace orv
