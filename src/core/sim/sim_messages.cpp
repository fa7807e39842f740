#include "sim/sim_messages.h"

#include "app/format_text.h"

namespace orv {

std::string partialBudgetLine(const std::string& reason) {
    return formatText("Partial budget: %s; the figures count the events found.", reason.c_str());
}

}  // namespace orv
