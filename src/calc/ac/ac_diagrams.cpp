// SPDX-License-Identifier: MIT
#include "ac_diagrams.h"

#include "calc/engineering.h"

#include <cmath>

namespace vora::calc::ac {
namespace {

using Kind = Arrow::Kind;

bool Finite(Complex z) {
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// "R", or "(L ∥ C)" for a group, as a subscript of V or I.
std::string NameOf(const Sketch& part) {
    return part.kind == Sketch::Kind::Element ? part.name : "(" + Describe(part) + ")";
}

void Add(VectorDiagram& d, Kind kind, Complex from, Complex to, const std::string& name,
         bool bold = false) {
    if (to == from || !Finite(to) || !Finite(from)) return;
    const char* unit = kind == Kind::Voltage ? "V" : kind == Kind::Current ? "A" : "VA";
    d.arrows.push_back(
        {kind, from, to, name + " = " + FormatEngineering(std::abs(to - from), unit), bold, false});
}

// The parts of `group` tip to tail from the origin: voltages in series,
// currents in parallel; then the same inside each part that is a group.
void AddParts(VectorDiagram& d, const Sketch& group, const Solution& s) {
    if (group.kind == Sketch::Kind::Element) return;
    const bool series = group.kind == Sketch::Kind::Series;
    Complex tip = 0;
    for (const Sketch& part : group.parts) {
        const Flow f = FlowOf(part, s);
        const Complex share = series ? f.voltage : f.current;
        Add(d, series ? Kind::Voltage : Kind::Current, tip, tip + share,
            (series ? "V" : "I") + NameOf(part));
        tip += share;
    }
    for (const Sketch& part : group.parts)
        AddParts(d, part, s);
}

VectorDiagram PhasorsOf(const Circuit& c, const Solution& s) {
    VectorDiagram d;
    Add(d, Kind::Voltage, 0, s.voltage, "V", true);
    Add(d, Kind::Current, 0, s.current, "I", true);
    if (s.voltage != Complex(0) && s.current != Complex(0)) {
        const double phi = std::arg(s.voltage / s.current); // arg Z
        d.angle = AngleMark{std::arg(s.current), phi, "\u03C6 = " + Degrees(phi)};
    }
    if (s.ok()) AddParts(d, c.sketch, s);
    return d;
}

VectorDiagram PowerOf(const Solution& s) {
    VectorDiagram d;
    const Complex power = s.voltage * std::conj(s.current);
    const double p = power.real(), q = power.imag();
    if (!Finite(power) || power == Complex(0)) {
        d.note = "No power is delivered";
        return d;
    }
    const auto label = [](const char* name, double value, const char* unit) {
        return std::string(name) + " = " + FormatEngineering(value, unit);
    };
    const std::string apparent = label("S", std::abs(power), "VA");
    // With P or Q (next to) zero, S lies along the other: one arrow shows both.
    const double tiny = 1e-12 * std::abs(power);
    if (std::abs(q) <= tiny) {
        d.arrows.push_back({Kind::Power, 0, p, label("P", p, "W") + ", " + apparent, true, false});
        return d;
    }
    if (std::abs(p) <= tiny) {
        d.arrows.push_back(
            {Kind::Power, 0, Complex(0, q), label("Q", q, "VAR") + ", " + apparent, true, false});
        return d;
    }
    d.arrows.push_back({Kind::Power, 0, p, label("P", p, "W"), false, false});
    d.arrows.push_back({Kind::Power, p, power, label("Q", q, "VAR"), false, false});
    d.arrows.push_back({Kind::Power, 0, power, apparent, true, false});
    d.angle = AngleMark{0, std::arg(power), "\u03C6 = " + Degrees(std::arg(power))};
    return d;
}

} // namespace

AcDiagrams DiagramsOf(const Circuit& c, const Solution& s) {
    return {PhasorsOf(c, s), PowerOf(s)};
}

} // namespace vora::calc::ac
