// SPDX-License-Identifier: MIT
#include "element_results.h"

#include "ac_run.h"
#include "calc/number.h"
#include "scaled_read.h"

namespace vora::calc {
namespace {

// One element's current and voltage as stored values, with the reactance
// (or resistance) the formulas divide by.
struct Share {
    double* current;
    double* voltage;
    const char* currentName;
    const char* voltageName;
    Culprit divisor; // what a zero element value means
};

class ElementBlocks : public AcRun {
public:
    ElementBlocks(AcElement element, Choice option, const AcSource& in, AcVars& vars)
        : AcRun(vars, false)
        , element_(element)
        , option_(option)
        , in_(in)
        , voltage_(in.source == Source::Voltage) {}

    void Run() {
        ReadSource();
        const bool series = option_ == Choice::Series;
        switch (element_) {
        case AcElement::Resistor:
            if (series && Is("SSS")) WholeSeries(Resistor());
            if (series && Is("SPP")) ResistorBeforeParallelLC();
            if (!series && Is("PPP")) AllParallel(Resistor());
            break;
        case AcElement::Inductor:
            if (series && Is("SSS")) WholeSeries(Inductor());
            if (!series && Is("PPP")) AllParallel(Inductor());
            if (!series && Is("SPP")) Divider(Inductor(), true);
            break;
        case AcElement::Capacitor:
            if (series && Is("SSS")) WholeSeries(Capacitor());
            if (!series && Is("PPP")) AllParallel(Capacitor());
            if (!series && Is("SPP")) Divider(Capacitor(), false);
            break;
        }
        if (!applied_)
            w_.Say("No block of this option covers the connection, so only the source is read "
                   "and the stored values are shown.");
    }

private:
    bool Is(const char* pattern) const { return Matches(in_.choices, pattern); }

    Share Resistor() {
        return {&v_.ResistorCurrent, &v_.ResistorVoltage, "IR", "VR", Culprit::Resistance};
    }
    Share Inductor() {
        return {&v_.InductorCurrent, &v_.InductorVoltage, "IL", "VL", Culprit::Inductance};
    }
    Share Capacitor() {
        return {&v_.CapacitorCurrent, &v_.CapacitorVoltage, "IC", "VC",
                Culprit::CapacitiveReactance};
    }
    Term Value(const Share& s) const {
        switch (s.divisor) {
        case Culprit::Resistance:
            return R();
        case Culprit::Inductance:
            return XL();
        default:
            return XC();
        }
    }

    // The source step: the typed value scaled by its unit, into the stored
    // current or voltage. The resistor's Parallel option reads it strictly.
    void ReadSource() {
        if (in_.source == Source::None) return;
        const FirstStep first = element_ == AcElement::Resistor && option_ == Choice::Parallel
                                    ? FirstStep::Strict
                                    : FirstStep::Leading;
        const int base = voltage_ ? kVoltageBase : kCurrentBase;
        const double value =
            ScaledRead(in_.value.field, in_.value.position, base, kSourceUnits, first);
        if (voltage_)
            Let(v_.TotalVoltage, "V", Term::Named("V", value));
        else
            Let(v_.TotalCurrent, "I", Term::Named("I", value));
    }

    // All three in series: one current through everything.
    void WholeSeries(const Share& s) {
        applied_ = true;
        Let(v_.Impedance, "Zs", Sqrt(Square(R()) + Square(XL() - XC())));
        if (voltage_) {
            CurrentThroughZ();
        } else {
            Let(v_.TotalVoltage, "V", Z() * I());
        }
        const Term current = Let(*s.current, s.currentName, I());
        Let(*s.voltage, s.voltageName, current * Value(s));
    }

    // All three in parallel: the whole voltage across the element.
    void AllParallel(const Share& s) {
        applied_ = true;
        if (!voltage_) {
            // The magnitude of R, L and C in parallel.
            Let(v_.Impedance, "Zp",
                R() * XL() * XC() /
                    Sqrt(Square(XC()) * Square(XL()) + Square(R()) * Square(XC() - XL())));
            Let(v_.TotalVoltage, "V", Z() * I());
        }
        const Term voltage = Let(*s.voltage, s.voltageName, V());
        Let(*s.current, s.currentName, Over(voltage, Value(s), s.divisor));
    }

    void ResistorBeforeParallelLC() {
        applied_ = true;
        if (voltage_) {
            const Term t = Let(v_.ParallelLC, "t", T());
            Let(v_.Impedance, "Z", Sqrt(Square(R()) + Square(t)));
            CurrentThroughZ();
        }
        const Term current = Let(v_.ResistorCurrent, "IR", I());
        Let(v_.ResistorVoltage, "VR", current * R());
    }

    // The resistor in series with the parallel inductor and capacitor: the
    // element's voltage by the divider V · X ÷ √(X² + R²).
    void Divider(const Share& s, bool rereadCurrent) {
        applied_ = true;
        if (!voltage_ && rereadCurrent)
            Let(v_.TotalCurrent, "I", Term::Named("I", ReadStrict(in_.value.field)));
        Let(v_.Impedance, "Z", Sqrt(Square(R()) + Square(X())));
        if (voltage_)
            CurrentThroughZ();
        else
            Let(v_.TotalVoltage, "V", Z() * I());
        const Term x = Value(s);
        const Term voltage =
            Let(*s.voltage, s.voltageName, V() * x / Sqrt(Square(x) + Square(R())));
        Let(*s.current, s.currentName, Over(voltage, x, s.divisor));
    }

    void CurrentThroughZ() { Let(v_.TotalCurrent, "I", Over(V(), Z(), Culprit::Impedance)); }

    AcElement element_;
    Choice option_;
    const AcSource& in_;
    bool voltage_;
    bool applied_ = false;
};

AcElementShown Labels(AcElement element, Choice option, const AcVars& v, Working working) {
    AcElementShown shown{v, {}, {}, std::move(working)};
    switch (element) {
    case AcElement::Resistor:
        shown.names = {"Ir", "Vr"};
        shown.values = {FormatNumber(v.ResistorCurrent), FormatNumber(v.ResistorVoltage)};
        break;
    case AcElement::Inductor:
        shown.names = {"Il", "Vl"};
        shown.values = {FormatNumber(v.InductorCurrent), FormatNumber(v.InductorVoltage)};
        break;
    case AcElement::Capacitor:
        // The Series option shows the circuit's current under "Ic".
        shown.names = {"Ic", "Vc"};
        shown.values = {
            FormatNumber(option == Choice::Series ? v.TotalCurrent : v.CapacitorCurrent),
            FormatNumber(v.CapacitorVoltage)};
        break;
    }
    return shown;
}

} // namespace

Outcome<AcElementShown> ElementResults(AcElement element, Choice option, const AcSource& source,
                                       AcVars vars) {
    return Attempt([&] {
        ElementBlocks run(element, option, source, vars);
        run.Run();
        return Labels(element, option, vars, run.TakeWorking());
    });
}

} // namespace vora::calc
