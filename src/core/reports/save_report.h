#pragma once

#include <functional>
#include <string>

namespace orv {

class MessageLog;

// Results of saveReportText.
inline constexpr int kReportSaved = 0;
inline constexpr int kReportNotSaved = 1;    // no file name (the Save As dialog was cancelled): nothing said
inline constexpr int kReportOpenFailed = 2;  // the file could not be created: the message was shown

// Asks the user for a report file name (the window's Save As dialog with the
// "Text Files" / "All Files" filters, asking before overwriting); "" on Cancel.
using ReportFileChooser = std::function<std::string()>;

// Writes the report text to fileName with every line feed stored as CR LF. An
// empty name asks chooseFile (when given) first; still empty, nothing happens.
// The text goes to a temporary file beside the target, which is then renamed
// into place, so a failed write never leaves a half-written report.
int saveReportText(const std::string& text, std::string fileName, MessageLog& log,
                   const ReportFileChooser& chooseFile = {});

}  // namespace orv
