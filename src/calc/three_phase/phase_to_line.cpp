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
        if (!ImpedanceEmpty()) {
            SetPhaseImpedance(Impedance());
            if (Star())
                SetLineImpedance(OneThird() * PhaseImpedance());
            else
                SetLineImpedance(PhaseImpedance() * 3);
            return vars().LineImpedance;
        }
        // No impedance entered: the same in both connections, from the phase
        // values read now, which are also kept for a later apparent power.
        SetPhaseCurrent(Current());
        SetPhaseVoltage(Voltage());
        RequireCurrent(vars().PhaseCurrent);
        SetPhaseImpedance(PhaseVoltage() / PhaseCurrent());
        SetLineImpedance(OneThird() * PhaseImpedance());
        return vars().LineImpedance;
    }

    double ApparentPowerClick() {
        SetApparentPower(Root3() * PhaseVoltage() * PhaseCurrent());
        return vars().ApparentPower;
    }
};

const Sides kSides{"phase", "line", "Line"};

} // namespace

Outcome<ThreePhaseShown> PhaseToLine(Caption clicked, const ThreePhaseEntries& entries,
                                     ThreePhaseVars vars) {
    return three_phase::Click<PhaseToLineRun>(clicked, entries, vars, kSides);
}

} // namespace vora::calc
