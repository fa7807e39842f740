#include "compare/change_impact.h"

#include "app/format_text.h"
#include "compare/compare_messages.h"
#include "image/firmware_table.h"
#include "sim/budget.h"
#include "sim/run_simulation.h"

namespace orv {

namespace {

std::string figure(const ImpactFigures& side, double value) {
    if (!side.known) return comparetext::kUnknownFigure;
    if (side.partial) return formatText(comparetext::kPartialFigure, value);
    return formatText("%.0f", value);
}

std::string line(const char* name, const ChangeImpact& impact, double before, double after) {
    return formatText(comparetext::kImpactLine, name, figure(impact.before, before).c_str(),
                      figure(impact.after, after).c_str());
}

}  // namespace

ImpactFigures impactOf(const ParameterRecord& record, std::int64_t now, const EnergySettings& energy,
                       MessageLog& log) {
    ImpactFigures figures;
    SimulationJob job;
    job.firmwareRow = findFirmware(record.text(StringRow::FenmodFwVer));
    job.startTime = simulationStartOf(now);
    if (runSimulation(record, job, log) != 0) return figures;
    const Budget budget = computeBudget(job, record.general(GeneralRow::SimulationYears), energy);
    figures.known = true;
    figures.partial = budget.partial || job.stopped;
    const double years = budget.days / 365.0;
    if (years > 0) {
        figures.fixesPerYear = static_cast<double>(budget.fixes) / years;
        figures.transmissionsPerYear = static_cast<double>(budget.transmissions) / years;
    }
    figures.projectedDays = budget.projectedDays;
    return figures;
}

ChangeImpact changeImpact(const ParameterRecord& before, const ParameterRecord& after, std::int64_t now,
                          const EnergySettings& energy, MessageLog& log) {
    return {impactOf(before, now, energy, log), impactOf(after, now, energy, log)};
}

std::vector<std::string> impactLines(const ChangeImpact& impact) {
    const ImpactFigures& a = impact.before;
    const ImpactFigures& b = impact.after;
    return {line(comparetext::kFixesPerYear, impact, a.fixesPerYear, b.fixesPerYear),
            line(comparetext::kTransmissionsPerYear, impact, a.transmissionsPerYear, b.transmissionsPerYear),
            line(comparetext::kProjectedDays, impact, static_cast<double>(a.projectedDays),
                 static_cast<double>(b.projectedDays))};
}

}  // namespace orv
