#pragma once

// The differences between two configurations as orvctl prints them: one line
// a difference (the window's lines), or one JSON object with the impact.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "compare/change_impact.h"
#include "compare/configuration_diff.h"

namespace orv::cli {

// Every difference a line, then the impact lines.
std::string differencesText(const std::vector<Difference>& differences, const ChangeImpact* impact);

// {"differences": [{"key", "label", "season", "page", "old_value", "new_value",
// "old_text", "new_text"}, ...], "impact": {"fixes_per_year": [old, new],
// "transmissions_per_year": [old, new], "projected_days": [old, new]}}
std::string differencesJson(const std::vector<Difference>& differences, const ChangeImpact& impact);

// The "differences" list of differencesJson.
nlohmann::ordered_json differencesList(const std::vector<Difference>& differences);

}  // namespace orv::cli
