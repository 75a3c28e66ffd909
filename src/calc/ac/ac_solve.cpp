// SPDX-License-Identifier: MIT
#include "ac_solve.h"

#include "ac_circuit.h"
#include "ac_events.h"
#include "ac_frequency.h"
#include "calc/units.h"
#include "scaled_read.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace vora::calc {

namespace {

using Event = AcEvent;

// One result: the event that shows it and how to read it from the outcome.
struct AcTarget {
    const char* name;
    const char* caption;
    const char* symbol;
    Event event;
    std::optional<double> (*read)(const AcShown&);
};

std::optional<double> Some(double v) {
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// The value of a label the event writes, where it holds one.
std::optional<double> Labelled(const AcShown& s, AcLabel slot) {
    const LabelWrite* w = s.label(slot);
    return w && w->value ? Some(*w->value) : std::nullopt;
}

const std::array<AcTarget, 16> kTargets{{
    {"Z", "Z  impedance of the circuit", symbols::kOhm, Event::Impedance,
     [](const AcShown& s) { return Some(s.vars.Impedance); }},
    {"XL", "XL  inductive reactance", symbols::kOhm, Event::Impedance,
     [](const AcShown& s) { return Labelled(s, AcLabel::XL); }},
    {"XC", "XC  capacitive reactance", symbols::kOhm, Event::Impedance,
     [](const AcShown& s) { return Labelled(s, AcLabel::XC); }},
    {"f0", "f0  resonant frequency", symbols::kHertz, Event::Impedance,
     [](const AcShown& s) { return Labelled(s, AcLabel::F0); }},
    {"PF", "PF  power factor", "", Event::PowerFactor,
     [](const AcShown& s) { return Some(s.vars.PowerFactor); }},
    {"P", "P  active power", symbols::kWatt, Event::Active,
     [](const AcShown& s) { return Some(s.vars.ActivePower); }},
    {"Q", "Q  reactive power", symbols::kVar, Event::Reactive,
     [](const AcShown& s) { return Some(s.vars.ReactivePower); }},
    {"S", "S  apparent power", symbols::kVoltAmpere, Event::Apparent,
     [](const AcShown& s) { return Some(s.vars.ApparentPower); }},
    {"I", "I  source current", symbols::kAmpere, Event::Apparent,
     [](const AcShown& s) { return Some(s.vars.TotalCurrent); }},
    {"V", "V  source voltage", symbols::kVolt, Event::Apparent,
     [](const AcShown& s) { return Some(s.vars.TotalVoltage); }},
    {"IR", "IR  current through the resistor", symbols::kAmpere, Event::R,
     [](const AcShown& s) { return Some(s.vars.ResistorCurrent); }},
    {"VR", "VR  voltage across the resistor", symbols::kVolt, Event::R,
     [](const AcShown& s) { return Some(s.vars.ResistorVoltage); }},
    {"IL", "IL  current through the inductor", symbols::kAmpere, Event::L,
     [](const AcShown& s) { return Some(s.vars.InductorCurrent); }},
    {"VL", "VL  voltage across the inductor", symbols::kVolt, Event::L,
     [](const AcShown& s) { return Some(s.vars.InductorVoltage); }},
    {"IC", "IC  current through the capacitor", symbols::kAmpere, Event::C,
     [](const AcShown& s) { return Some(s.vars.CapacitorCurrent); }},
    {"VC", "VC  voltage across the capacitor", symbols::kVolt, Event::C,
     [](const AcShown& s) { return Some(s.vars.CapacitorVoltage); }},
}};

bool NeedsSource(Event e) {
    return e != Event::Impedance && e != Event::PowerFactor;
}

Outcome<AcShown> Run(Event e, const AcInputs& in) {
    switch (e) {
    case Event::Impedance:
        return TotalImpedance(in, {});
    case Event::PowerFactor:
        return PowerFactor(in, {});
    case Event::Active:
        return ActivePower(in, {});
    case Event::Reactive:
        return ReactivePower(in, {});
    case Event::Apparent:
        return ApparentPower(in, {});
    case Event::R:
        return ElementResults(AcElement::Resistor, in, {});
    case Event::L:
        return ElementResults(AcElement::Inductor, in, {});
    case Event::C:
        return ElementResults(AcElement::Capacitor, in, {});
    }
    return Failure{};
}

std::optional<double> Read(std::size_t t, const AcInputs& in) {
    const AcTarget& target = kTargets[t];
    if (NeedsSource(target.event) && in.value.field.text.empty()) return std::nullopt;
    const auto out = Run(target.event, in);
    if (!out) return std::nullopt;
    return target.read(*out);
}

const Unit& UnitAt(Units units, int position) {
    return InList(position, units.size()) ? units[static_cast<std::size_t>(position)]
                                          : units.front();
}

// Where unknown u of the problem is on the page.
enum class Place { R, L, C, Source, Frequency };

} // namespace

SolveProblem AcProblem(const AcInputs& page) {
    SolveProblem p;
    std::vector<std::size_t> targets;
    for (std::size_t t = 0; t < kTargets.size(); ++t)
        if (Read(t, page)) {
            targets.push_back(t);
            p.targets.push_back({kTargets[t].name, kTargets[t].caption, kTargets[t].symbol,
                                 static_cast<int>(kTargets[t].event)});
        }

    std::vector<Place> places;
    const std::array<Units, 3> elementUnits{kOhmsCapital, kHenries, kFarads};
    const std::array<const char*, 3> elementNames{"R", "L", "C"};
    for (std::size_t i = 0; i < 3; ++i) {
        if (page.choices[i] == Choice::None) continue;
        const Unit& shown = UnitAt(elementUnits[i], page.elements[i].position);
        p.unknowns.push_back({.name = elementNames[i],
                              .field = page.elements[i].field.name,
                              .symbol = BaseSymbol(elementUnits[i]),
                              .span = {},
                              .unitFactor = shown.Factor(),
                              .shownUnit = shown.symbol});
        places.push_back(static_cast<Place>(i));
    }
    if (page.source != Source::None) {
        const bool voltage = page.source == Source::Voltage;
        const Units units = voltage ? kVolts : kAmperes;
        const Unit& shown =
            UnitAt(units, page.value.position - (voltage ? kVoltageBase : kCurrentBase));
        p.unknowns.push_back({.name = voltage ? "the source voltage" : "the source current",
                              .field = page.value.field.name,
                              .symbol = BaseSymbol(units),
                              .span = {},
                              .unitFactor = shown.Factor(),
                              .shownUnit = shown.symbol});
        places.push_back(Place::Source);
    }
    if (page.choices[1] != Choice::None || page.choices[2] != Choice::None) {
        // Hz, kHz or rad/s, as cboF shows it; found in hertz.
        const int pos = page.frequency.position;
        const double factor = pos == 1 ? 1000 : pos == 2 ? 1 / (2 * std::numbers::pi) : 1;
        p.unknowns.push_back(
            {.name = "f",
             .field = page.frequency.field.name,
             .symbol = symbols::kHertz,
             .span = {1e-6, 1e12},
             .unitFactor = factor,
             .shownUnit =
                 ac::kFrequencyUnits[static_cast<std::size_t>(pos >= 0 && pos <= 2 ? pos : 0)]});
        places.push_back(Place::Frequency);
    }

    // The page's inputs with unknown u at x, in its base unit.
    const auto with = [page, places](std::size_t u, double x) {
        AcInputs in = page;
        UnitField* field = nullptr;
        switch (places[u]) {
        case Place::R:
            field = &in.elements[0];
            break;
        case Place::L:
            field = &in.elements[1];
            break;
        case Place::C:
            field = &in.elements[2];
            break;
        case Place::Source:
            field = &in.value;
            break;
        case Place::Frequency:
            field = &in.frequency;
            break;
        }
        field->field.text = ExactText(x);
        field->position = 0;
        if (places[u] == Place::Source)
            field->position = in.source == Source::Voltage ? kVoltageBase : kCurrentBase;
        return in;
    };
    p.result = [with, targets, places](std::size_t t, std::size_t u,
                                       double x) -> std::optional<double> {
        if (t >= targets.size() || u >= places.size()) return std::nullopt;
        return Read(targets[t], with(u, x));
    };
    // The circuit's reactance, zero where its power factor touches 1.
    p.crossing = [with, places](std::size_t u, double x) -> std::optional<double> {
        if (u >= places.size()) return std::nullopt;
        const AcInputs in = with(u, x);
        const auto z = Attempt([&] {
            AcVars vars;
            Working quiet;
            return ac::ReadCircuit(in, vars, quiet).total;
        });
        if (!z || z->open) return std::nullopt;
        return z->value.imag();
    };
    return p;
}

} // namespace vora::calc
