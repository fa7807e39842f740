// The season table of the report: a 22-character label and twelve 9-character
// cells per row, season 1 first. All twelve seasons are listed, reached by the
// schedule or not.

#include <string>

#include "app/format_text.h"
#include "model/format_value.h"
#include "model/lists.h"
#include "reports/report_text.h"
#include "reports/spr_text.h"

namespace orv {

namespace {

class SeasonTableWriter {
public:
    SeasonTableWriter(const ParameterRecord& record, std::string& text) : record(record), text(text) {}

    // One row: the label, then the cell that cellFor(season 1..12) gives.
    template <typename CellFor>
    void row(const char* label, CellFor&& cellFor) {
        std::string line = label;
        for (int s = 1; s <= kSeasons; ++s) line += cellFor(s);
        appendReportLine(text, "%s", line.c_str());
    }
    void textRow(const char* label, auto&& textFor) {
        row(label, [&](int s) { return formatText("%8s ", std::string(textFor(s)).c_str()); });
    }
    void numberRow(const char* label, int seasonRow) {
        row(label, [&](int s) { return formatText("%8d ", integer(s, seasonRow)); });
    }
    void clockRow(const char* label, int seasonRow) {
        row(label, [&](int s) {
            const int minutes = integer(s, seasonRow);
            return formatText("%5d:%02d ", minutes / 60, minutes % 60);
        });
    }
    void line(const char* literal) { appendReportLine(text, "%s", literal); }

    int integer(int season, int seasonRow) const { return reportInt(record.season(season, seasonRow)); }
    double value(int season, int seasonRow) const { return record.season(season, seasonRow); }

    const ParameterRecord& record;
    std::string& text;
};

void dutyCycleRows(SeasonTableWriter& w, int dayRow, int startRow, int hoursRow) {
    w.numberRow("     DCB Start Day ...", dayRow);
    w.clockRow("     Start Time(UTC) .", startRow);
    w.numberRow("     Number of Hrs. ..", hoursRow);
}

}  // namespace

void appendSprSeasonTable(const ParameterRecord& record, std::string& text) {
    SeasonTableWriter w(record, text);
    w.row("   Season Number:     ", [](int s) { return formatText("   %2d    ", s); });
    w.row("                      ", [](int) { return std::string("-------- "); });
    w.textRow("     Season Type .....",
              [&](int s) { return listEntry(seasonLengthShortList(), w.value(s, SeasonRow::SeasonType)); });
    w.textRow("     Next Season .....",
              [&](int s) { return listEntry(nextSeasonShortList(), w.value(s, SeasonRow::NextSeason)); });
    w.textRow("     Start/Num Days ..", [&](int s) {
        const double days = w.value(s, SeasonRow::NumberOfDays);
        return w.value(s, SeasonRow::SeasonType) == 1.0 ? formatValue(days, KindDayOfYear)
                                                        : std::to_string(reportInt(days));
    });
    w.line(kBlankLine);
    w.line(
        "                      NOTE: For 'Dy of Yr' Seasons after Feb in leap years, the Start Day here is shifted by one day.");
    w.line("                            (For example: Mar 2 here means Mar 1 in the GPS device).");
    w.line(kBlankLine);
    w.numberRow("    GPS DCB Length ...", SeasonRow::GpsDcbDuration);
    w.textRow("     Fix Int Units ...", [&](int s) {
        return formatValue(w.value(s, SeasonRow::FixIntervalUnits), KindIntervalUnitsList);
    });

    static constexpr const char* kGpsCycleTitles[] = {"    GPS Duty Cycle: '1'", "    GPS Duty Cycle: '2'",
                                                      "    GPS Duty Cycle: '3'"};
    for (int n = 0; n < 3; ++n) {
        const int base = SeasonRow::GpsDcbDay_1 + 4 * n;
        w.line(kBlankLine);
        w.line(kGpsCycleTitles[n]);
        dutyCycleRows(w, base, base + 1, base + 2);
        w.numberRow("     Fix Interval ....", base + 3);
    }
    w.line(kBlankLine);
    w.line(kBlankLine);
    w.numberRow("    ARGOS DCB Length .", SeasonRow::ArgosDcbDuration);
    static constexpr const char* kArgosCycleTitles[] = {
        "    ARGOS Duty Cycle: '1'", "    ARGOS Duty Cycle: '2'", "    ARGOS Duty Cycle: '3'"};
    for (int n = 0; n < 3; ++n) {
        const int base = SeasonRow::ArgosDcbDay_1 + 3 * n;
        w.line(kBlankLine);
        w.line(kArgosCycleTitles[n]);
        dutyCycleRows(w, base, base + 1, base + 2);
    }
}

}  // namespace orv
