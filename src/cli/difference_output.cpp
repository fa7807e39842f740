#include "difference_output.h"

#include "json_text.h"

namespace orv::cli {

namespace {

std::string figure(const ImpactFigures& side, double value) {
    return side.known ? jsonNumber(value) : "null";
}

std::string pair(const ChangeImpact& impact, double before, double after) {
    return "[" + figure(impact.before, before) + ", " + figure(impact.after, after) + "]";
}

std::string differenceJson(const Difference& d) {
    std::string out = "{\"key\": " + (d.key.empty() ? std::string("null") : jsonString(d.key));
    out += ", \"label\": " + jsonString(d.label);
    out += ", \"season\": " + (d.season > 0 ? std::to_string(d.season) : std::string("null"));
    out += ", \"page\": " + jsonString(d.pageName);
    out += ", \"old_value\": " + (d.isText ? jsonString(d.oldText) : jsonNumber(d.oldValue));
    out += ", \"new_value\": " + (d.isText ? jsonString(d.newText) : jsonNumber(d.newValue));
    out += ", \"old_text\": " + jsonString(d.oldText);
    out += ", \"new_text\": " + jsonString(d.newText);
    return out + "}";
}

}  // namespace

std::string differencesText(const std::vector<Difference>& differences, const ChangeImpact* impact) {
    std::string out;
    for (const Difference& d : differences) out += differenceLine(d) + "\n";
    if (impact) {
        for (const std::string& line : impactLines(*impact)) out += line + "\n";
    }
    return out;
}

std::string differencesJson(const std::vector<Difference>& differences, const ChangeImpact& impact) {
    std::string out = "{\n  \"differences\": [";
    for (std::size_t i = 0; i < differences.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += differenceJson(differences[i]);
    }
    out += differences.empty() ? "],\n" : "\n  ],\n";
    const ImpactFigures& a = impact.before;
    const ImpactFigures& b = impact.after;
    out += "  \"impact\": {\"fixes_per_year\": " + pair(impact, a.fixesPerYear, b.fixesPerYear);
    out += ", \"transmissions_per_year\": " + pair(impact, a.transmissionsPerYear, b.transmissionsPerYear);
    out += ", \"projected_days\": " +
           pair(impact, static_cast<double>(a.projectedDays), static_cast<double>(b.projectedDays));
    return out + "}\n}\n";
}

}  // namespace orv::cli
