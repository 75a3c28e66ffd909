// SPDX-License-Identifier: MIT
// What the line-to-phase and phase-to-line computations share: the frame of
// every click, the constants as the formulas use them, the stored values as
// named terms, reading the entries, and the failure messages.
//
// One convention for typed and computed values alike: the phase impedance is
// Vph / Iph of the connection; the line impedance is the per-phase star
// equivalent VL / (√3 · IL). In star the two are equal; in delta the phase
// impedance is three times the line impedance. The apparent power is
// √3 · VL · IL = 3 · Vph · Iph.
#pragma once

#include "calc/number.h"
#include "calc/units.h"
#include "three_phase.h"
#include "three_phase_diagram.h"

#include <string>
#include <utility>

namespace vora::calc::three_phase {

// How one page names its sides: the side the entries hold ("line" on the
// line-to-phase page) and the side the captions compute ("phase").
struct Sides {
    std::string entered;
    std::string computed;
};

class Steps {
public:
    Steps(const Sides& sides, const ThreePhaseEntries& in, ThreePhaseVars& vars)
        : sides_(sides)
        , in_(in)
        , v_(vars) {}

    Working TakeWorking() { return std::move(w_); }

    // Raised when the click left a value that is not finite: names the
    // quantity of the clicked caption and the entry to change.
    [[noreturn]] void FailTooLarge(Caption clicked) const;

protected:
    bool Star() const { return in_.connection == Connection::Star; }
    bool ImpedanceEmpty() const { return in_.impedance.text.empty(); }

    // √3 is taken when the click runs.
    static Term Root3() { return Sqrt(Term(3.0)); }

    Term Current() const { return Term(ReadLeading(in_.current)); }
    Term Voltage() const { return Term(ReadLeading(in_.voltage)); }
    Term Impedance() const { return Term(ReadStrict(in_.impedance)); }

    // A stored value as a named term, and a stored value set with its line of
    // working, both under the name and unit of its row in kStored.
    Term Get(double ThreePhaseVars::*member) const {
        return Term::Named(Describe(member).name, v_.*member);
    }
    void Set(double ThreePhaseVars::*member, const Term& t) {
        const auto& row = Describe(member);
        w_.Let(v_.*member, row.name, t, row.unit);
    }
    void Say(std::string sentence) { w_.Say(std::move(sentence)); }

    // The impedance from the entered voltage and current divides by the
    // current just read; 0 there gets its own message.
    void RequireCurrent(double current) const;

    const ThreePhaseVars& vars() const { return v_; }

private:
    const Sides& sides_;
    const ThreePhaseEntries& in_;
    ThreePhaseVars& v_;
    Working w_;
};

// The frame of every click: with no connection chosen nothing happens;
// otherwise `run` computes on the copy, and the value shown must be finite
// like everything the click stores.
template <class Run>
Outcome<Shown<ThreePhaseVars>> Click(Caption clicked, const ThreePhaseEntries& in,
                                     ThreePhaseVars vars, const Sides& sides) {
    if (in.connection == Connection::None) return Unchanged{};
    return Attempt([&] {
        Run run(sides, in, vars);
        const double shown = run.Do(clicked);
        if (!AllFinite(vars)) run.FailTooLarge(clicked);
        // The units of the four captions' results, top to bottom.
        constexpr const char* kSymbols[] = {symbols::kAmpere, symbols::kVolt, symbols::kOhm,
                                            symbols::kVoltAmpere};
        Shown<ThreePhaseVars> out;
        out.vars = vars;
        out.working = run.TakeWorking();
        out.write(clicked, FormatNumber(shown), shown, kSymbols[static_cast<std::size_t>(clicked)]);
        if (clicked == Caption::Voltage)
            out.draw(ThreePhasePicture::Voltages,
                     ThreePhaseDiagram(in.connection, vars.PhaseVoltage, vars.LineVoltage));
        return out;
    });
}

} // namespace vora::calc::three_phase
