// SPDX-License-Identifier: MIT
#include "three_phase_solve.h"

#include "calc/units.h"

#include <array>
#include <cmath>
#include <optional>

namespace vora::calc {

namespace {

struct Column {
    Caption caption;
    const char* symbol;
    double ThreePhaseVars::*toPhase; // the result of the line-to-phase page
    double ThreePhaseVars::*toLine;  // and of the phase-to-line page
    const char* phase;               // the names of both
    const char* line;
};

const std::array<Column, 4> kColumn{{
    {Caption::Current, symbols::kAmpere, &ThreePhaseVars::PhaseCurrent,
     &ThreePhaseVars::LineCurrent, "Phase current", "Line current"},
    {Caption::Voltage, symbols::kVolt, &ThreePhaseVars::PhaseVoltage, &ThreePhaseVars::LineVoltage,
     "Phase voltage", "Line voltage"},
    {Caption::Impedance, symbols::kOhm, &ThreePhaseVars::PhaseImpedance,
     &ThreePhaseVars::LineImpedance, "Phase impedance", "Line impedance"},
    {Caption::Power, symbols::kVoltAmpere, &ThreePhaseVars::ApparentPower,
     &ThreePhaseVars::ApparentPower, "Apparent power", "Apparent power"},
}};

std::optional<double> Read(Conversion conversion, std::size_t t, const ThreePhaseEntries& in) {
    if (in.connection == Connection::None) return std::nullopt;
    const Column& c = kColumn[t];
    const bool toPhase = conversion == Conversion::LineToPhase;
    const auto out = toPhase ? LineToPhase(c.caption, in, {}) : PhaseToLine(c.caption, in, {});
    if (!out) return std::nullopt;
    const double v = out->vars.*(toPhase ? c.toPhase : c.toLine);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::string TargetName(Conversion conversion, Caption caption) {
    for (const Column& c : kColumn)
        if (c.caption == caption) return conversion == Conversion::LineToPhase ? c.phase : c.line;
    return {};
}

SolveProblem ThreePhaseProblem(Conversion conversion, const ThreePhaseEntries& page) {
    SolveProblem p;
    std::vector<std::size_t> targets;
    const bool toPhase = conversion == Conversion::LineToPhase;
    for (std::size_t t = 0; t < kColumn.size(); ++t)
        if (Read(conversion, t, page)) {
            targets.push_back(t);
            const char* name = toPhase ? kColumn[t].phase : kColumn[t].line;
            p.targets.push_back(
                {name, name, kColumn[t].symbol, static_cast<int>(kColumn[t].caption)});
        }
    const std::array<const Field*, 3> fields{&page.current, &page.voltage, &page.impedance};
    const std::array<const char*, 3> symbols{symbols::kAmpere, symbols::kVolt, symbols::kOhm};
    for (std::size_t u = 0; u < 3; ++u)
        p.unknowns.push_back({.name = fields[u]->label,
                              .field = fields[u]->name,
                              .symbol = symbols[u],
                              .span = {},
                              .unitFactor = 1,
                              .shownUnit = symbols[u]});
    p.result = [conversion, page, targets](std::size_t t, std::size_t u,
                                           double x) -> std::optional<double> {
        if (t >= targets.size() || u >= 3) return std::nullopt;
        ThreePhaseEntries in = page;
        std::array<Field*, 3> fields{&in.current, &in.voltage, &in.impedance};
        fields[u]->text = ExactText(x);
        return Read(conversion, targets[t], in);
    };
    return p;
}

} // namespace vora::calc
