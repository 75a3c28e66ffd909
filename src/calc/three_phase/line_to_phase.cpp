// SPDX-License-Identifier: MIT
// Line quantities in, phase quantities out.
#include "three_phase_steps.h"

namespace vora::calc {

namespace {

using three_phase::Sides;
using three_phase::Steps;

class LineToPhaseRun : public Steps {
public:
    using Steps::Steps;

    // Runs the clicked caption's column and returns the value it shows.
    double Do(Caption clicked) {
        switch (clicked) {
        case Caption::Current:
            return PhaseCurrentClick();
        case Caption::Voltage:
            return PhaseVoltageClick();
        case Caption::Impedance:
            return PhaseImpedanceClick();
        case Caption::Power:
            return ApparentPowerClick();
        }
        return 0;
    }

private:
    double PhaseCurrentClick() {
        SetLineCurrent(Current());
        if (Star())
            SetPhaseCurrent(LineCurrent());
        else
            SetPhaseCurrent(LineCurrent() / Root3());
        return vars().PhaseCurrent;
    }

    double PhaseVoltageClick() {
        SetLineVoltage(Voltage());
        if (Star())
            SetPhaseVoltage(LineVoltage() / Root3());
        else
            SetPhaseVoltage(LineVoltage());
        return vars().PhaseVoltage;
    }

    double PhaseImpedanceClick() {
        if (!ImpedanceEmpty()) {
            SetLineImpedance(Impedance());
            if (Star())
                SetPhaseImpedance(OneThird() * LineImpedance());
            else
                SetPhaseImpedance(LineImpedance() * 3);
            return vars().PhaseImpedance;
        }
        // No impedance entered: derive it from the line values read now. They
        // are also kept for a later apparent-power click.
        SetLineCurrent(Current());
        SetLineVoltage(Voltage());
        RequireCurrent(vars().LineCurrent);
        if (Star())
            SetLineImpedance(LineVoltage() / Root3() / LineCurrent());
        else
            SetLineImpedance(LineVoltage() / LineCurrent());
        SetPhaseImpedance(OneThird() * LineImpedance());
        return vars().PhaseImpedance;
    }

    double ApparentPowerClick() {
        SetApparentPower(Root3() * LineVoltage() * LineCurrent());
        return vars().ApparentPower;
    }
};

const Sides kSides{"line", "phase", "Phase"};

} // namespace

Outcome<ThreePhaseShown> LineToPhase(Caption clicked, const ThreePhaseEntries& entries,
                                     ThreePhaseVars vars) {
    return three_phase::Click<LineToPhaseRun>(clicked, entries, vars, kSides);
}

} // namespace vora::calc
