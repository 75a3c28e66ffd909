// SPDX-License-Identifier: MIT
// Phase quantities in, line quantities out.
#include "three_phase_steps.h"

namespace vora::calc {

namespace {

using three_phase::Sides;
using three_phase::Steps;

class PhaseToLineRun : public Steps {
public:
    using Steps::Steps;

    // Runs the clicked caption's column and returns the value it shows.
    double Do(Caption clicked) {
        switch (clicked) {
        case Caption::Current:
            return LineCurrentClick();
        case Caption::Voltage:
            return LineVoltageClick();
        case Caption::Impedance:
            return LineImpedanceClick();
        case Caption::Power:
            return ApparentPowerClick();
        }
        return 0;
    }

private:
    double LineCurrentClick() {
        SetPhaseCurrent(Current());
        if (Star())
            SetLineCurrent(PhaseCurrent());
        else
            SetLineCurrent(Root3() * PhaseCurrent());
        return vars().LineCurrent;
    }

    double LineVoltageClick() {
        SetPhaseVoltage(Voltage());
        if (Star())
            SetLineVoltage(Root3() * PhaseVoltage());
        else
            SetLineVoltage(PhaseVoltage());
        return vars().LineVoltage;
    }

    double LineImpedanceClick() {
        if (ImpedanceEmpty()) {
            // No impedance entered: the phase's voltage over its current,
            // read now and kept like those of the other clicks.
            SetPhaseCurrent(Current());
            SetPhaseVoltage(Voltage());
            RequireCurrent(vars().PhaseCurrent);
            SetPhaseImpedance(PhaseVoltage() / PhaseCurrent());
        } else {
            SetPhaseImpedance(Impedance());
        }
        if (Star()) {
            Say("In star VL = √3 · Vph and IL = Iph, so the line impedance VL / (√3 · IL) is the "
                "phase impedance.");
            SetLineImpedance(PhaseImpedance());
        } else {
            Say("In delta VL = Vph and IL = √3 · Iph, so the line impedance VL / (√3 · IL) is a "
                "third of the phase impedance.");
            SetLineImpedance(PhaseImpedance() / 3);
        }
        return vars().LineImpedance;
    }

    // From the phase values typed now, the same in both connections.
    double ApparentPowerClick() {
        SetPhaseCurrent(Current());
        SetPhaseVoltage(Voltage());
        SetApparentPower(3 * PhaseVoltage() * PhaseCurrent());
        Say("The same in star and in delta: 3 · Vph · Iph = √3 · VL · IL.");
        return vars().ApparentPower;
    }
};

const Sides kSides{"phase", "line"};

} // namespace

Outcome<ThreePhaseShown> PhaseToLine(Caption clicked, const ThreePhaseEntries& entries,
                                     ThreePhaseVars vars) {
    return three_phase::Click<PhaseToLineRun>(clicked, entries, vars, kSides);
}

} // namespace vora::calc
