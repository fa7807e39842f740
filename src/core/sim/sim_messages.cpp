#include "sim/sim_messages.h"

#include "app/format_text.h"

namespace orv {

std::string partialBudgetLine(const std::string& reason) {
    return formatText("Partial budget: %s; the figures count the events found.", reason.c_str());
}

std::string pastCollarClockMessage(double years) {
    return formatText(
        "The deployment date plus %g year%s of simulation ends after 02/07/2106 06:28 UTC, the last date the "
        "collar's clock can hold.\nChoose an earlier deployment date or fewer years.",
        years, years == 1 ? "" : "s");
}

}  // namespace orv
