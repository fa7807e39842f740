#include "difference_output.h"

#include "app/utf8_text.h"
#include "files/configuration_json.h"
#include "json_layout.h"

namespace orv::cli {

namespace {

using Json = nlohmann::ordered_json;

Json pair(const ChangeImpact& impact, double before, double after) {
    return Json::array({impact.before.known ? numberJson(before) : Json(nullptr),
                        impact.after.known ? numberJson(after) : Json(nullptr)});
}

Json differenceJson(const Difference& d) {
    Json out = Json::object();
    out["key"] = d.key.empty() ? Json(nullptr) : Json(asUtf8(d.key));
    out["label"] = asUtf8(d.label);
    out["season"] = d.season > 0 ? Json(d.season) : Json(nullptr);
    out["page"] = asUtf8(d.pageName);
    out["old_value"] = d.isText ? Json(asUtf8(d.oldText)) : numberJson(d.oldValue);
    out["new_value"] = d.isText ? Json(asUtf8(d.newText)) : numberJson(d.newValue);
    out["old_text"] = asUtf8(d.oldText);
    out["new_text"] = asUtf8(d.newText);
    return out;
}

}  // namespace

std::string differencesText(const std::vector<Difference>& differences, const ChangeImpact* impact) {
    std::string out = differenceLines(differences);
    if (impact) {
        for (const std::string& line : impactLines(*impact)) out += line + "\n";
    }
    return out;
}

Json differencesList(const std::vector<Difference>& differences) {
    Json list = Json::array();
    for (const Difference& d : differences) list.push_back(differenceJson(d));
    return list;
}

std::string differencesJson(const std::vector<Difference>& differences, const ChangeImpact& impact) {
    const ImpactFigures& a = impact.before;
    const ImpactFigures& b = impact.after;
    const Json out = {
        {"differences", differencesList(differences)},
        {"impact",
         {{"fixes_per_year", pair(impact, a.fixesPerYear, b.fixesPerYear)},
          {"transmissions_per_year", pair(impact, a.transmissionsPerYear, b.transmissionsPerYear)},
          {"projected_days",
           pair(impact, static_cast<double>(a.projectedDays), static_cast<double>(b.projectedDays))}}}};
    return jsonLines(out);
}

}  // namespace orv::cli
