// SPDX-License-Identifier: MIT
#include "ac_frequency.h"

#include "ac_working.h"
#include "calc/number.h"

#include <cmath>
#include <numbers>

namespace vora::calc::ac {
namespace {

AcValue ValueOf(double x) {
    return {FormatNumber(x), x};
}

// Whether R damps the L-C resonance as a series resistance (Q = Z0 / R) or
// as a parallel one (Q = R / Z0); neither for the other circuits.
enum class Damping { None, Series, Parallel };

Damping DampingOf(const Sketch& s) {
    const Sketch r = ElementSketch(0), l = ElementSketch(1), c = ElementSketch(2);
    if (s == Series({r, l, c}) || s == Parallel({Series({r, l}), c})) return Damping::Series;
    if (s == Parallel({r, l, c})) return Damping::Parallel;
    return Damping::None;
}

} // namespace

Term ReadOmega(const UnitField& frequency, Working& w) {
    const Field& field = frequency.field;
    const auto refuse = [&] {
        Fail({"Invalid Entry",
              "Enter a positive number in \"" + field.label +
                  "\" (for example 50, 60 or 400 in Hz, or 314 in rad/s).",
              field.name});
    };
    const Parsed read = ParseStrict(field.text);
    if (!read || !std::isfinite(read.value) || read.value <= 0) refuse();
    const int unit = frequency.position;
    if (unit == kRadPerSecond) return Term(read.value);
    if (unit != 0 && unit != 1)
        Fail({"Invalid Entry",
              "Choose Hz, kHz or rad/s in the list beside \"" + field.label + "\".", "cboF"});
    const double hertz = unit == 1 ? read.value * 1000 : read.value;
    if (unit == 1)
        w.Say("f = " + FormatNumber(read.value) + " kHz = " + FormatNumber(hertz) + " Hz");
    const Term omega = Term(2) * Term::Named("π", std::numbers::pi) * Term::Named("f", hertz);
    if (!std::isfinite(omega.value())) refuse();
    w.Note("ω", omega, "rad/s");
    return Term::Named("ω", omega.value());
}

std::optional<AcResonance> Resonance(const Circuit& c, AcVars& vars, Working& w) {
    const double l = c.value[1], cap = c.value[2];
    if (!c.present[1] || !c.present[2] || l == 0 || cap == 0) return std::nullopt;
    const Term lc = Term::Named("L", l) * Term::Named("C", cap);
    const Term w0 = 1 / Sqrt(lc);
    const Term f0 = 1 / (Term(2) * Term::Named("π", std::numbers::pi) * Sqrt(lc));
    if (!std::isfinite(w0.value()) || !std::isfinite(f0.value()) || w0.value() == 0)
        return std::nullopt;
    w.Let(vars.ResonantFrequency, "f0", f0, "Hz");
    w.Note("ω0", w0, "rad/s");
    AcResonance r{ValueOf(vars.ResonantFrequency), ValueOf(w0.value()), std::nullopt};

    const Term z0 = Sqrt(Term::Named("L", l) / Term::Named("C", cap));
    const Term resistance = Term::Named("R", c.value[0]);
    const Damping damping = c.present[0] && c.value[0] > 0 ? DampingOf(c.sketch) : Damping::None;
    if (damping != Damping::None) {
        const Term q = damping == Damping::Series ? z0 / resistance : resistance / z0;
        if (std::isfinite(q.value())) {
            w.Let(vars.QualityFactor, "Q", q);
            r.q = ValueOf(vars.QualityFactor);
        }
    } else {
        w.Say("Q is given for R + L + C, (R + L) ∥ C and R ∥ L ∥ C with R > 0");
    }

    // Where the supply stands: the sign of Im Z says how the circuit behaves.
    const double omega = c.omega.value();
    std::string where = FormatNumber(omega) == FormatNumber(w0.value()) ? "ω = ω0: at resonance"
                        : omega > w0.value() ? "ω > ω0: above resonance"
                                             : "ω < ω0: below resonance";
    if (c.total.open)
        where += ", the circuit is open";
    else if (c.total.value.imag() > 0)
        where += ", the circuit is inductive (Im Z > 0)";
    else if (c.total.value.imag() < 0)
        where += ", the circuit is capacitive (Im Z < 0)";
    else
        where += ", the circuit is resistive (Im Z = 0)";
    w.Say(where);
    return r;
}

AcReactances Reactances(const Circuit& c, const AcVars& vars) {
    AcReactances r;
    if (c.present[1]) r.xl = ValueOf(vars.InductiveReactance);
    if (c.present[2] && !c.impedance[2].open) r.xc = ValueOf(vars.CapacitiveReactance);
    return r;
}

AcSourceCurrent SourceCurrent(const Solution& s, AcVars& vars, Working& w) {
    AcSourceCurrent out{ValueOf(std::abs(s.current)), std::nullopt};
    const double root2 = std::sqrt(2.0);
    w.Say("|V| = " + FormatNumber(std::abs(s.voltage)) +
          " V rms, peak √2 · |V| = " + Short(root2 * std::abs(s.voltage)) + " V");
    std::string line = "|I| = " + FormatNumber(std::abs(s.current)) +
                       " A rms, peak √2 · |I| = " + Short(root2 * std::abs(s.current)) + " A";
    if (s.voltage != Complex(0) && s.current != Complex(0)) {
        const double degrees = std::arg(s.current / s.voltage) * 180 / std::numbers::pi;
        vars.CurrentPhase = degrees;
        out.phase = ValueOf(degrees);
        line += ", I at " + Short(degrees) + "° against V";
    }
    w.Say(line);
    return out;
}

double RmsOf(double value, bool peak, bool voltage, Working& w) {
    if (!peak) return value;
    const char* name = voltage ? "Vpeak" : "Ipeak";
    const Term rms = Term::Named(name, value) / Sqrt(Term(2));
    w.Note(voltage ? "V" : "I", rms, voltage ? "V rms" : "A rms");
    return rms.value();
}

} // namespace vora::calc::ac
