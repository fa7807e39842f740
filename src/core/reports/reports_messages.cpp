#include "reports/reports_messages.h"

#include "app/format_text.h"

namespace orv {

std::string reportOpenFailedMessage(const std::string& fileName) {
    return formatText("Could not open '%s' for writing.\nThe output file was NOT created!", fileName.c_str());
}

}  // namespace orv
