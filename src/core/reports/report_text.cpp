#include "reports/report_text.h"

#include <cmath>
#include <cstdarg>
#include <limits>

#include "app/format_text.h"

namespace orv {

std::size_t appendReportLine(std::string& buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    buffer += formatTextLimitedV(kReportLineLimit - 1, format, args);
    va_end(args);
    buffer.push_back('\n');
    return buffer.size();
}

int reportInt(double value) {
    if (std::isnan(value)) return 0;
    const double truncated = std::trunc(value);
    if (truncated >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (truncated <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(truncated);
}

}  // namespace orv
