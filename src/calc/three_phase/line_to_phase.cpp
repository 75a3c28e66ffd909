// SPDX-License-Identifier: MIT
// Line quantities in, phase quantities out.
#include "three_phase_steps.h"

namespace vora::calc {

namespace {

using three_phase::Sides;
using three_phase::Steps;
using V = ThreePhaseVars;

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
        Set(&V::LineCurrent, Current());
        if (Star())
            Set(&V::PhaseCurrent, Get(&V::LineCurrent));
        else
            Set(&V::PhaseCurrent, Get(&V::LineCurrent) / Root3());
        return vars().PhaseCurrent;
    }

    double PhaseVoltageClick() {
        Set(&V::LineVoltage, Voltage());
        if (Star())
            Set(&V::PhaseVoltage, Get(&V::LineVoltage) / Root3());
        else
            Set(&V::PhaseVoltage, Get(&V::LineVoltage));
        return vars().PhaseVoltage;
    }

    double PhaseImpedanceClick() {
        if (ImpedanceEmpty()) {
            // No impedance entered: from the line values read now, which are
            // kept like those of the other clicks.
            Set(&V::LineCurrent, Current());
            Set(&V::LineVoltage, Voltage());
            RequireCurrent(vars().LineCurrent);
            Set(&V::LineImpedance, Get(&V::LineVoltage) / (Root3() * Get(&V::LineCurrent)));
        } else {
            Set(&V::LineImpedance, Impedance());
        }
        Say("The line impedance here is the per-phase star equivalent VL / (√3 · IL), not the "
            "impedance of the line conductors.");
        if (Star()) {
            Say("In star a phase takes VL / √3 at IL, so its impedance is the line impedance "
                "VL / (√3 · IL).");
            Set(&V::PhaseImpedance, Get(&V::LineImpedance));
        } else {
            Say("In delta a phase takes VL at IL / √3, so its impedance is three times the line "
                "impedance VL / (√3 · IL).");
            Set(&V::PhaseImpedance, Get(&V::LineImpedance) * 3);
        }
        return vars().PhaseImpedance;
    }

    // From the line values typed now, the same in both connections.
    double ApparentPowerClick() {
        Set(&V::LineCurrent, Current());
        Set(&V::LineVoltage, Voltage());
        Set(&V::ApparentPower, Root3() * Get(&V::LineVoltage) * Get(&V::LineCurrent));
        Say("The same in star and in delta: √3 · VL · IL = 3 · Vph · Iph.");
        return vars().ApparentPower;
    }
};

const Sides kSides{"line", "phase"};

} // namespace

Outcome<Shown<ThreePhaseVars>> LineToPhase(Caption clicked, const ThreePhaseEntries& entries,
                                           ThreePhaseVars vars) {
    return three_phase::Click<LineToPhaseRun>(clicked, entries, vars, kSides);
}

} // namespace vora::calc
