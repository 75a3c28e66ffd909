// SPDX-License-Identifier: MIT
#include "ac_events.h"

#include "ac_circuit.h"
#include "ac_diagrams.h"
#include "ac_frequency.h"
#include "ac_sketch_values.h"
#include "ac_working.h"
#include "calc/engineering.h"
#include "calc/number.h"
#include "calc/total_display.h"
#include "calc/units.h"
#include "scaled_read.h"

#include <cmath>
#include <numbers>

namespace vora::calc {
namespace {

using namespace ac;
using network::SourceKind;

// The label of the total in the unit chosen for it; the stored |Z| stays in ohms.
const TotalUnits kImpedanceUnits{"|Z|", "total impedance", Names(kOhms), ShownFactors(kOhms)};

// --- messages -------------------------------------------------------------

std::string Capital(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

// "The value of the resistor is 0" and "... in "Resistor Value" or ...".
std::string ZeroValues(const std::vector<std::string>& names) {
    return names.size() == 1 ? "The value of " + Speak(names) + " is 0"
                             : "The values of " + Speak(names) + " are 0";
}
std::string EntriesOf(const AcInputs& in, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) {
        if (!text.empty()) text += " or ";
        text += "\"" + in.elements[static_cast<std::size_t>(IndexOf(n))].field.label + "\"";
    }
    return text;
}
std::string FocusOf(const AcInputs& in, const std::vector<std::string>& names) {
    const std::size_t k = names.empty() ? 1 : static_cast<std::size_t>(IndexOf(names[0]));
    return in.elements[k].field.name;
}

// The elements whose own impedance is open (or a short).
std::vector<std::string> Where(const Circuit& c, bool open) {
    std::vector<std::string> names;
    for (std::size_t k = 0; k < 3; ++k)
        if (c.present[k] && (open ? c.impedance[k].open : c.impedance[k].isShort()))
            names.push_back(kNames[k]);
    return names;
}

// An open circuit: `consequence` says what cannot be done, `alternative`
// offers the other source where one helps.
[[noreturn]] void FailOpen(const AcInputs& in, const std::vector<std::string>& opens,
                           const std::string& consequence, const std::string& alternative = {}) {
    if (opens.empty())
        FailCompute("The inductor and the capacitor are at resonance side by side (XL = XC), so "
                    "their group is open and " +
                        consequence + ". Change the inductor or the capacitor value" + alternative +
                        ".",
                    FocusOf(in, opens));
    FailCompute(ZeroValues(opens) + ", so it is open and " + consequence +
                    ". Enter a value other than 0 in " + EntriesOf(in, opens) + alternative + ".",
                FocusOf(in, opens));
}

[[noreturn]] void FailShort(const AcInputs& in, const std::vector<std::string>& shorts,
                            const std::string& consequence, const std::string& alternative = {}) {
    if (shorts.empty())
        FailCompute("The inductor and the capacitor are at resonance in series (XL = XC), so the "
                    "circuit is a short circuit (Z = 0) and " +
                        consequence + ". Change the inductor or the capacitor value" + alternative +
                        ".",
                    FocusOf(in, shorts));
    FailCompute(ZeroValues(shorts) + ", so the circuit is a short circuit (Z = 0) and " +
                    consequence + ". Enter a value other than 0 in " + EntriesOf(in, shorts) +
                    alternative + ".",
                FocusOf(in, shorts));
}

void Require(double value, const char* quantity, const AcInputs& in) {
    if (!std::isfinite(value))
        FailCompute(TooLargeOrUndefined(quantity, "Enter a smaller source value or other element "
                                                  "values."),
                    in.value.field.name);
}

// A current or a voltage is rms: its tool-tip gives the peak, √2 times.
void WriteRms(AcShown& out, AcLabel slot, const std::string& text, double rms, const char* symbol) {
    out.write(slot, text, rms, symbol,
              "rms value, peak " + FormatEngineering(std::sqrt(2.0) * rms, symbol));
}

void WriteIf(AcShown& out, AcLabel slot, const std::optional<AcValue>& value, const char* symbol) {
    if (value)
        out.write(slot, value->text, value->value, symbol);
    else
        out.write(slot, "");
}

// The event's result, unless a value it would store is not finite (|Z| of
// two huge parts, for example): with the circuit drawn, the values read on
// it and on the picture of the choices, and the diagrams.
AcShown Done(AcShown out, const AcVars& vars, const Circuit& c, const AcInputs& in,
             AcDiagrams diagrams) {
    if (!AllFinite(vars))
        FailCompute(TooLargeOrUndefined("result", "Enter smaller element or source values."));
    out.vars = vars;
    const SketchValues values = AcSketchValues(in);
    out.draw(AcPicture::Sketch, SketchPicture{c.sketch, values, {}});
    out.draw(AcPicture::Choices, SketchValuesPicture{values});
    out.draw(AcPicture::Phasors, std::move(diagrams.phasors));
    out.draw(AcPicture::Power, std::move(diagrams.power));
    return out;
}

// The source current and its angle, with the events that drive the circuit.
void WriteSourceCurrent(AcShown& out, const AcSourceCurrent& s) {
    WriteRms(out, AcLabel::SourceCurrent, s.magnitude.text, s.magnitude.value, symbols::kAmpere);
    WriteIf(out, AcLabel::SourceAngle, s.phase, symbols::kDegree);
}

// --- the source -------------------------------------------------------------

SourceKind KindOf(const AcInputs& in) {
    return in.source == Source::Voltage ? SourceKind::Voltage : SourceKind::Current;
}

// The circuit with its source: the value typed in txtIV with its unit, as
// an rms value (a peak value is divided by √2 first, on `w`). With `whole`,
// every element's share is needed, not only the source's figures.
Solution Drive(const AcInputs& in, const Circuit& c, bool whole, Working* w = nullptr) {
    const bool voltage = KindOf(in) == SourceKind::Voltage;
    Working unused;
    const double value = RmsOf(ScaledRead(in.value.field, in.value.position,
                                          voltage ? kVoltageBase : kCurrentBase, kSourceUnits),
                               in.peak, voltage, w ? *w : unused);
    const Solution s = SolveCircuit(c, KindOf(in), Complex(value, 0));
    switch (s.trouble) {
    case network::Trouble::ShortAcrossVoltage:
        FailShort(in, s.culprits, "the current from the voltage source would be infinite",
                  ", or choose Current as the source");
    case network::Trouble::OpenOnCurrent:
        FailOpen(in, s.culprits, "the current source cannot drive its current through the circuit",
                 ", or choose Voltage as the source");
    case network::Trouble::ShortsInParallel:
        if (whole)
            FailCompute(Capital(Speak(s.culprits)) +
                            " are short circuits (value 0) side by side, so how the current "
                            "divides between them is undefined. Enter a value other than 0 in " +
                            EntriesOf(in, s.culprits) + ".",
                        FocusOf(in, s.culprits));
        break;
    case network::Trouble::OpensInSeries:
        if (whole)
            FailCompute(Capital(Speak(s.culprits)) +
                            " are open one after the other, so how the voltage divides between "
                            "them is undefined. Enter a value other than 0 in " +
                            EntriesOf(in, s.culprits) + ".",
                        FocusOf(in, s.culprits));
        break;
    case network::Trouble::None:
        break;
    }
    Require(std::abs(s.current), "current", in);
    Require(std::abs(s.voltage), "voltage", in);
    if (whole)
        for (const auto& [name, flow] : s.flows) {
            Require(std::abs(flow.current), "current", in);
            Require(std::abs(flow.voltage), "voltage", in);
        }
    return s;
}

// The source's figures as stored values, with |Z| where it is finite.
void StoreSource(const Circuit& c, const Solution& s, AcVars& vars) {
    vars.TotalVoltage = std::abs(s.voltage);
    vars.TotalCurrent = std::abs(s.current);
    if (!c.total.open) vars.Impedance = std::abs(c.total.value);
}

// Total Impedance and Power Factor need no source; where the source field
// holds a value the circuit can take, their diagrams show it driven by that.
AcDiagrams DiagramsIfDriven(const AcInputs& in, const Circuit& c) {
    try {
        return DiagramsOf(c, Drive(in, c, false));
    } catch (const FailureSignal&) {
        return {};
    }
}

// The reactances and the resonance, which need no source.
void CircuitResults(const Circuit& c, AcVars& vars, AcShown& out) {
    const AcReactances x = Reactances(c, vars);
    WriteIf(out, AcLabel::XL, x.xl, symbols::kOhm);
    WriteIf(out, AcLabel::XC, x.xc, symbols::kOhm);
    const std::optional<AcResonance> r = Resonance(c, vars, out.working);
    WriteIf(out, AcLabel::F0, r ? std::optional(r->f0) : std::nullopt, symbols::kHertz);
    WriteIf(out, AcLabel::W0, r ? std::optional(r->w0) : std::nullopt, symbols::kRadianPerSecond);
    WriteIf(out, AcLabel::Q, r ? r->q : std::nullopt, ""); // a bare number
}

// --- power factor and powers --------------------------------------------------

// The power factor needs a phase angle: an open or a shorted circuit has none.
void RequireAngle(const AcInputs& in, const Circuit& c, const std::string& consequence) {
    if (c.total.open)
        FailOpen(in, Where(c, true), "no current flows through the circuit: " + consequence);
    if (c.total.isShort()) FailShort(in, Where(c, false), consequence);
}

Term CosPhi(const Circuit& c, Working& w) {
    const Complex z = c.total.value;
    const Term cos = Term::Named("Re Z", z.real()) / Term::Named("|Z|", std::abs(z));
    w.Note("cos φ", cos);
    return Term::Named("cos φ", cos.value());
}

enum class PowerKind { Active, Reactive, Apparent };

Outcome<AcShown> Power(const AcInputs& in, AcVars vars, PowerKind kind) {
    return Attempt([&] {
        AcShown out;
        Working& w = out.working;
        const Circuit c = ReadCircuit(in, vars, w);
        const Solution s = Drive(in, c, false, &w);
        ImpedanceLines(c, w);
        SourceLines(c, s, KindOf(in), w);
        StoreSource(c, s, vars);
        const AcSourceCurrent source = SourceCurrent(s, vars, w);
        const Term v = Term::Named("|V|", vars.TotalVoltage);
        const Term i = Term::Named("|I|", vars.TotalCurrent);
        // Without an angle (open or short) no power flows: |V| · |I| is 0.
        const bool angle = !c.total.open && !c.total.isShort();
        if (!angle && kind != PowerKind::Apparent)
            w.Say(c.total.open ? "No current flows into the open circuit, so no power is "
                                 "delivered."
                               : "There is no voltage across the short circuit, so no power is "
                                 "delivered.");
        double shown = 0;
        AcLabel slot = AcLabel::Active;
        const char* symbol = symbols::kWatt;
        switch (kind) {
        case PowerKind::Active:
            w.Let(vars.ActivePower, "P", angle ? v * i * CosPhi(c, w) : Term(0), "W");
            shown = vars.ActivePower;
            break;
        case PowerKind::Reactive: {
            Term q(0);
            if (angle) {
                const Complex z = c.total.value;
                const Term sin = Term::Named("Im Z", z.imag()) / Term::Named("|Z|", std::abs(z));
                w.Note("sin φ", sin);
                q = v * i * Term::Named("sin φ", sin.value());
            }
            w.Let(vars.ReactivePower, "Q", q, "VAR");
            w.Say("Q > 0: inductive, Q < 0: capacitive");
            shown = vars.ReactivePower;
            slot = AcLabel::Reactive;
            symbol = "VAR";
            break;
        }
        case PowerKind::Apparent:
            w.Let(vars.ApparentPower, "S", v * i, "VA");
            shown = vars.ApparentPower;
            slot = AcLabel::Apparent;
            symbol = symbols::kVoltAmpere;
            break;
        }
        Require(shown, "power", in);
        out.write(slot, FormatNumber(shown), shown, symbol, "from the rms voltage and current");
        WriteSourceCurrent(out, source);
        return Done(std::move(out), vars, c, in, DiagramsOf(c, s));
    });
}

// --- element results ----------------------------------------------------------

struct ElementNames {
    const char* current; // the name label: "Ir"
    const char* voltage;
    double AcVars::*storedCurrent;
    double AcVars::*storedVoltage;
};

const ElementNames kElementNames[3] = {
    {"Ir", "Vr", &AcVars::ResistorCurrent, &AcVars::ResistorVoltage},
    {"Il", "Vl", &AcVars::InductorCurrent, &AcVars::InductorVoltage},
    {"Ic", "Vc", &AcVars::CapacitorCurrent, &AcVars::CapacitorVoltage},
};

// A value in the unit chosen in cboI or cboV; a typed unit shows the base unit.
// The conversion goes on the working's `line`.
std::string InUnit(double value, int position, const Units& units, const char* quantity,
                   std::string& line) {
    if (position <= 0 || !InList(position, units.size())) return FormatNumber(value);
    const Unit& unit = units[static_cast<std::size_t>(position)];
    const double shown = value * unit.Shown();
    if (!std::isfinite(shown))
        FailCompute(std::string("The ") + quantity + " is too large to show in " + unit.name +
                    ". Choose a larger unit beside it.");
    line += " = " + FormatNumber(shown) + " " + unit.name;
    return FormatNumber(shown);
}

} // namespace

Outcome<AcShown> TotalImpedance(const AcInputs& in, AcVars vars) {
    return Attempt([&] {
        AcShown out;
        const Circuit c = ReadCircuit(in, vars, out.working);
        if (c.total.open) {
            const std::vector<std::string> opens = Where(c, true);
            // An L ∥ C group at resonance in the path: no element to blame.
            if (opens.empty())
                Fail({.title = "Recommendation",
                      .text = "Impedance Become Infinity",
                      .field = {},
                      .alreadyReported = false,
                      .recommendation = true,
                      .outOfDate = "The impedance is infinite: the inductor and the capacitor "
                                   "in parallel are at resonance."});
            FailOpen(in, opens,
                     "no current can flow through the circuit: its total impedance "
                     "is infinite");
        }
        ImpedanceLines(c, out.working);
        vars.Impedance = std::abs(c.total.value);
        if (!std::isfinite(vars.Impedance))
            FailCompute(TooLargeOrUndefined("total impedance", "Enter smaller element values."));
        out.write(AcLabel::Impedance,
                  ShowTotal(vars.Impedance, in.impedanceUnit, kImpedanceUnits, out.working),
                  vars.Impedance, symbols::kOhm);
        CircuitResults(c, vars, out);
        return Done(std::move(out), vars, c, in, DiagramsIfDriven(in, c));
    });
}

Outcome<AcShown> PowerFactor(const AcInputs& in, AcVars vars) {
    return Attempt([&] {
        AcShown out;
        Working& w = out.working;
        const Circuit c = ReadCircuit(in, vars, w);
        RequireAngle(in, c, "its phase angle and power factor are undefined");
        ImpedanceLines(c, w);
        vars.Impedance = std::abs(c.total.value);
        // "Unit" exactly when the factor shows as 1 (|X| below about 3E-08 · |Z|),
        // so that a factor of 1 never reads as lagging or leading.
        const Complex z = c.total.value;
        const std::string phi = "φ = arg Z = " + Short(std::arg(z) * 180 / std::numbers::pi) + "°";
        std::string lagging;
        if (ParseStrict(FormatNumber(std::abs(z.real() / std::abs(z)))).value == 1) {
            lagging = "Unit";
            w.Say(phi + ": Unit, cos φ shows as 1");
        } else if (z.imag() > 0) {
            lagging = "Lagging";
            w.Say(phi + " > 0: Lagging, the circuit is inductive");
        } else {
            lagging = "Leading";
            w.Say(phi + " < 0: Leading, the circuit is capacitive");
        }
        vars.PowerFactor = CosPhi(c, w).value();
        out.write(AcLabel::PowerFactor, FormatNumber(vars.PowerFactor));
        out.write(AcLabel::Lagging, lagging);
        CircuitResults(c, vars, out);
        return Done(std::move(out), vars, c, in, DiagramsIfDriven(in, c));
    });
}

Outcome<AcShown> ActivePower(const AcInputs& in, AcVars vars) {
    return Power(in, vars, PowerKind::Active);
}
Outcome<AcShown> ReactivePower(const AcInputs& in, AcVars vars) {
    return Power(in, vars, PowerKind::Reactive);
}
Outcome<AcShown> ApparentPower(const AcInputs& in, AcVars vars) {
    return Power(in, vars, PowerKind::Apparent);
}

Outcome<AcShown> ElementResults(AcElement element, const AcInputs& in, AcVars vars) {
    return Attempt([&] {
        AcShown out;
        Working& w = out.working;
        const Circuit c = ReadCircuit(in, vars, w);
        const auto k = static_cast<std::size_t>(element);
        const std::string& name = kNames[k];
        if (!c.present[k])
            FailCompute("The " + Speak({name}).substr(4) +
                        " is not connected. Choose Series or Parallel for it.");
        const Solution s = Drive(in, c, true, &w);
        ImpedanceLines(c, w);
        SourceLines(c, s, KindOf(in), w);
        PathLines(c, s, name, w);
        StoreSource(c, s, vars);
        // Its lines would crowd the element's own: the tool-tips give the peaks.
        Working quiet;
        WriteSourceCurrent(out, SourceCurrent(s, vars, in.peak ? w : quiet));
        const Flow flow = s.flows.at(name);
        const ElementNames& n = kElementNames[k];
        vars.*n.storedCurrent = std::abs(flow.current);
        vars.*n.storedVoltage = std::abs(flow.voltage);
        std::string current = std::string(n.current) + " = |I" + name +
                              "| = " + FormatNumber(vars.*n.storedCurrent) + " A";
        std::string voltage = std::string(n.voltage) + " = |V" + name +
                              "| = " + FormatNumber(vars.*n.storedVoltage) + " V";
        out.write(AcLabel::CurrentName, n.current);
        out.write(AcLabel::VoltageName, n.voltage);
        WriteRms(out, AcLabel::Current,
                 InUnit(vars.*n.storedCurrent, in.currentUnit, kAmperes, "current", current),
                 vars.*n.storedCurrent, symbols::kAmpere);
        WriteRms(out, AcLabel::Voltage,
                 InUnit(vars.*n.storedVoltage, in.voltageUnit, kVolts, "voltage", voltage),
                 vars.*n.storedVoltage, symbols::kVolt);
        w.Say(current);
        w.Say(voltage);
        return Done(std::move(out), vars, c, in, DiagramsOf(c, s));
    });
}

Outcome<std::string> ImpedanceInUnit(double impedance, int position) {
    return Attempt([&] {
        Working unused;
        return ShowTotal(impedance, position, kImpedanceUnits, unused);
    });
}

Outcome<std::string> CurrentInUnit(double current, int position) {
    return Attempt([&] {
        std::string unused;
        return InUnit(current, position, kAmperes, "current", unused);
    });
}

Outcome<std::string> VoltageInUnit(double voltage, int position) {
    return Attempt([&] {
        std::string unused;
        return InUnit(voltage, position, kVolts, "voltage", unused);
    });
}

} // namespace vora::calc
