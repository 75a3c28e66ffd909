// SPDX-License-Identifier: MIT
#include "transient_solve.h"

#include "calc/units.h"

#include <array>
#include <cmath>
#include <optional>

namespace vora::calc {

namespace {

struct Result {
    const char* name;
    const char* caption;
    const char* symbol;
    double TransientVars::*value;
    double scale; // the fraction is given in percent
};

std::array<Result, kTransientResults> Results(bool rc) {
    return {{
        {"\u03C4", "\u03C4  time constant", symbols::kSecond, &TransientVars::TimeConstant, 1},
        {rc ? "vC" : "vL", rc ? "vC  capacitor voltage at t" : "vL  inductor voltage at t",
         symbols::kVolt, &TransientVars::StorageVoltage, 1},
        {"i", "i  current at t", symbols::kAmpere, &TransientVars::Current, 1},
        {"vR", "vR  resistor voltage at t", symbols::kVolt, &TransientVars::ResistorVoltage, 1},
        {"W", "W  stored energy at t", symbols::kJoule, &TransientVars::Energy, 1},
        {"fraction", "fraction of the change completed at t", "%", &TransientVars::Fraction, 100},
    }};
}

const Unit& Shown(Units units, int position) {
    return InList(position, units.size()) ? units[static_cast<std::size_t>(position)]
                                          : units.front();
}

SolveUnknown Unknown(const char* name, const TransientEntry& entry, Units units) {
    const Unit& shown = Shown(units, entry.position);
    return {.name = name,
            .field = entry.field.name,
            .symbol = BaseSymbol(units),
            .span = {},
            .unitFactor = shown.Factor(),
            .shownUnit = shown.symbol};
}

} // namespace

SolveProblem TransientProblem(const TransientEntries& page) {
    SolveProblem p;
    if (!ComputeTransient(page, {})) return p;
    const bool rc = page.circuit == transient::Circuit::RC;
    const auto results = Results(rc);
    for (const Result& r : results)
        p.targets.push_back({r.name, r.caption, r.symbol, 0, r.scale == 1});
    p.unknowns = {Unknown("R", page.r, kOhms),
                  Unknown(rc ? "C" : "L", page.storage, rc ? kFarads : kHenries),
                  Unknown("V", page.v, kSourceVolts), Unknown("t", page.t, kSeconds)};
    p.result = [page, results](std::size_t t, std::size_t u, double x) -> std::optional<double> {
        if (t >= results.size() || u >= 4) return std::nullopt;
        TransientEntries in = page;
        std::array<TransientEntry*, 4> entries{&in.r, &in.storage, &in.v, &in.t};
        entries[u]->field.text = ExactText(x);
        entries[u]->position = 0;
        const auto out = ComputeTransient(in, {});
        if (!out) return std::nullopt;
        const double v = out->vars.*results[t].value * results[t].scale;
        return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    };
    return p;
}

} // namespace vora::calc
