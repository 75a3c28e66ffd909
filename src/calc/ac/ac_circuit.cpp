// SPDX-License-Identifier: MIT
#include "ac_circuit.h"

#include "ac_frequency.h"
#include "calc/number.h"
#include "scaled_read.h"

#include <algorithm>
#include <cmath>

namespace vora::calc::ac {
namespace {

const std::array<const char*, 3> kWords{"resistor", "inductor", "capacitor"};

Sketch Join(Choice how, std::vector<Sketch> parts) {
    return how == Choice::Series ? Series(std::move(parts)) : Parallel(std::move(parts));
}

const char* Word(Choice c) {
    return c == Choice::Series ? "Series" : "Parallel";
}

bool Finite(Complex z) {
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// A reactance the page can compute with; otherwise `advice` and the entry to change.
Term Finite(const Term& reactance, const Field& entry, const std::string& advice) {
    if (!std::isfinite(reactance.value()))
        FailCompute(advice + " \"" + entry.label + "\".", entry.name);
    return reactance;
}

} // namespace

int IndexOf(const std::string& name) {
    for (int k = 0; k < 3; ++k)
        if (kNames[static_cast<std::size_t>(k)] == name) return k;
    return -1;
}

std::string Speak(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        const int k = IndexOf(names[i]);
        text +=
            std::string("the ") + (k < 0 ? names[i].c_str() : kWords[static_cast<std::size_t>(k)]);
    }
    return text;
}

Sketch Connect(const Choices<3>& choices) {
    std::vector<std::size_t> chosen;
    for (std::size_t k = 0; k < 3; ++k)
        if (choices[k] != Choice::None) chosen.push_back(k);
    if (chosen.empty())
        FailCompute("No element is connected, so there is no circuit to compute. Choose Series "
                    "or Parallel for the resistor, the inductor or the capacitor.");
    const auto element = [](std::size_t k) { return ElementSketch(k); };
    if (chosen.size() == 1) return element(chosen[0]);
    if (chosen.size() == 2) {
        const Choice a = choices[chosen[0]], b = choices[chosen[1]];
        if (a != b)
            FailCompute("The " + std::string(kWords[chosen[0]]) + " is connected in " + Word(a) +
                        " and the " + kWords[chosen[1]] + " in " + Word(b) +
                        ", which describes no circuit: two elements need the same connection. "
                        "Choose Series for both or Parallel for both.");
        return Join(a, {element(chosen[0]), element(chosen[1])});
    }
    if (choices[0] == choices[1] && choices[1] == choices[2])
        return Join(choices[0], {element(0), element(1), element(2)});
    // One differs: the pair combines first, the odd one joins it. Written as
    // the circuits usually are: R + (L ∥ C), R ∥ (L + C), (R + L) ∥ C,
    // L + (R ∥ C), (R ∥ L) + C, (R + C) ∥ L.
    std::size_t odd = 0;
    while (choices[odd] == choices[(odd + 1) % 3] || choices[odd] == choices[(odd + 2) % 3])
        ++odd;
    std::vector<Sketch> pair;
    for (std::size_t k = 0; k < 3; ++k)
        if (k != odd) pair.push_back(element(k));
    const Sketch group = Join(choices[(odd + 1) % 3], std::move(pair));
    const bool oddFirst = odd == 0 || (odd == 1 && choices[odd] == Choice::Series);
    return Join(choices[odd], oddFirst ? std::vector<Sketch>{element(odd), group}
                                       : std::vector<Sketch>{group, element(odd)});
}

const Impedance& Circuit::Of(const std::string& name) const {
    return impedance[static_cast<std::size_t>(IndexOf(name))];
}

Impedance Circuit::TotalOf(const Sketch& part) const {
    return network::Total<Complex>(part, [this](const std::string& n) { return Of(n); });
}

Circuit ReadCircuit(const AcInputs& in, AcVars& vars, Working& w) {
    static const std::array<std::string, 3> kNouns{"resistor", "inductor", "capacitor"};
    Circuit c;
    c.sketch = Connect(in.choices);
    std::vector<std::string> names;
    network::Elements(c.sketch, names);

    // Short lines: a text panel lays out every line it shows in full.
    w.Say("Circuit: " + Describe(c.sketch));
    static const std::array<const Units*, 3> units{&kOhmsCapital, &kHenries, &kFarads};
    static const std::array<double AcVars::*, 3> stored{&AcVars::Resistance, &AcVars::Inductance,
                                                        &AcVars::Capacitance};
    std::string values;
    for (std::size_t k = 0; k < 3; ++k) {
        c.present[k] = std::find(names.begin(), names.end(), kNames[k]) != names.end();
        if (!c.present[k]) continue;
        const UnitField& entry = in.elements[k];
        c.value[k] = ScaledRead(entry.field, entry.position, 0, Factors(*units[k]));
        if (c.value[k] < 0)
            Fail({"Invalid Entry",
                  "The number in \"" + entry.field.label + "\" is negative, and a " + kNouns[k] +
                      " has no negative value (only a source has a direction). Enter 0 or a "
                      "positive number.",
                  entry.field.name});
        vars.*stored[k] = c.value[k];
        if (!values.empty()) values += ", ";
        values += kNames[k] + " = " + FormatNumber(c.value[k]) + " " + units[k]->front().name;
    }
    w.Say(values);
    c.omega = ReadOmega(in.frequency, w);
    const std::string omega = c.omega.symbols();

    const auto field = [&](std::size_t k) { return in.elements[k].field; };
    if (c.present[0]) c.impedance[0] = {Complex(c.value[0], 0), false};
    if (c.present[1]) {
        const Term xl = Finite(Term::Named("L", c.value[1]) * c.omega, field(1),
                               "The inductor value is too large: its reactance L · " + omega +
                                   " cannot be computed. Enter a smaller value in");
        w.Let(vars.InductiveReactance, "XL", xl, "Ohm");
        c.impedance[1] = {Complex(0, xl.value()), false};
    }
    if (c.present[2]) {
        if (c.value[2] == 0) {
            w.Say("C = 0: the capacitor is open, XC = 1 / (C · " + omega + ") is infinite");
            c.impedance[2] = Impedance::Open();
        } else {
            const Term xc =
                Finite(1 / (Term::Named("C", c.value[2]) * c.omega), field(2),
                       "The capacitor value is too small: its reactance 1 / (C · " + omega +
                           ") is too large to compute with. Enter a larger value in");
            w.Let(vars.CapacitiveReactance, "XC", xc, "Ohm");
            c.impedance[2] = {Complex(0, -xc.value()), false};
        }
    }

    // Every group, not only the whole, must have a usable impedance.
    bool finite = true;
    const auto check = [&](const auto& self, const Sketch& s) -> void {
        const Impedance z = c.TotalOf(s);
        if (!z.open && !Finite(z.value)) finite = false;
        for (const Sketch& part : s.parts)
            self(self, part);
    };
    check(check, c.sketch);
    if (!finite) FailCompute(TooLargeOrUndefined("impedance", "Enter smaller element values."));
    c.total = c.TotalOf(c.sketch);

    // The inductor and capacitor side by side: their group's reactance.
    const auto lc = [](const Sketch& s) {
        return s.kind == Sketch::Kind::Parallel &&
               std::count_if(s.parts.begin(), s.parts.end(), [](const Sketch& p) {
                   return p.kind == Sketch::Kind::Element &&
                          (p.name == kNames[1] || p.name == kNames[2]);
               }) == 2;
    };
    const Sketch* group = lc(c.sketch) ? &c.sketch : nullptr;
    for (const Sketch& part : c.sketch.parts)
        if (lc(part)) group = &part;
    if (group) {
        const Impedance x = c.TotalOf(Parallel({ElementSketch(1), ElementSketch(2)}));
        if (!x.open) vars.ParallelLC = x.value.imag();
    }
    return c;
}

Solution SolveCircuit(const Circuit& c, network::SourceKind kind, Complex source) {
    return network::Solve<Complex>(
        c.sketch, [&c](const std::string& n) { return c.Of(n); }, kind, source);
}

Flow FlowOf(const Sketch& part, const Solution& s) {
    if (part.kind == Sketch::Kind::Element) {
        const auto it = s.flows.find(part.name);
        return it == s.flows.end() ? Flow{} : it->second;
    }
    Flow sum;
    for (std::size_t i = 0; i < part.parts.size(); ++i) {
        const Flow f = FlowOf(part.parts[i], s);
        if (part.kind == Sketch::Kind::Series) {
            if (i == 0) sum.current = f.current;
            sum.voltage += f.voltage;
        } else {
            if (i == 0) sum.voltage = f.voltage;
            sum.current += f.current;
        }
    }
    return sum;
}

} // namespace vora::calc::ac
