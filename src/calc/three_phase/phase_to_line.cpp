// SPDX-License-Identifier: MIT
// Phase quantities in, line quantities out.
#include "three_phase_steps.h"

namespace vora::calc {

namespace {

using three_phase::Sides;
using three_phase::Steps;
using V = ThreePhaseVars;

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
        Set(&V::PhaseCurrent, Current());
        if (Star())
            Set(&V::LineCurrent, Get(&V::PhaseCurrent));
        else
            Set(&V::LineCurrent, Root3() * Get(&V::PhaseCurrent));
        return vars().LineCurrent;
    }

    double LineVoltageClick() {
        Set(&V::PhaseVoltage, Voltage());
        if (Star())
            Set(&V::LineVoltage, Root3() * Get(&V::PhaseVoltage));
        else
            Set(&V::LineVoltage, Get(&V::PhaseVoltage));
        return vars().LineVoltage;
    }

    double LineImpedanceClick() {
        if (ImpedanceEmpty()) {
            // No impedance entered: the phase's voltage over its current,
            // read now and kept like those of the other clicks.
            Set(&V::PhaseCurrent, Current());
            Set(&V::PhaseVoltage, Voltage());
            RequireCurrent(vars().PhaseCurrent);
            Set(&V::PhaseImpedance, Get(&V::PhaseVoltage) / Get(&V::PhaseCurrent));
        } else {
            Set(&V::PhaseImpedance, Impedance());
        }
        if (Star()) {
            Say("In star VL = √3 · Vph and IL = Iph, so the line impedance VL / (√3 · IL) is the "
                "phase impedance.");
            Set(&V::LineImpedance, Get(&V::PhaseImpedance));
        } else {
            Say("In delta VL = Vph and IL = √3 · Iph, so the line impedance VL / (√3 · IL) is a "
                "third of the phase impedance.");
            Set(&V::LineImpedance, Get(&V::PhaseImpedance) / 3);
        }
        Say("The line impedance here is the per-phase star equivalent VL / (√3 · IL), not the "
            "impedance of the line conductors.");
        return vars().LineImpedance;
    }

    // From the phase values typed now, the same in both connections.
    double ApparentPowerClick() {
        Set(&V::PhaseCurrent, Current());
        Set(&V::PhaseVoltage, Voltage());
        Set(&V::ApparentPower, 3 * Get(&V::PhaseVoltage) * Get(&V::PhaseCurrent));
        Say("The same in star and in delta: 3 · Vph · Iph = √3 · VL · IL.");
        return vars().ApparentPower;
    }
};

const Sides kSides{"phase", "line"};

} // namespace

Outcome<Shown<ThreePhaseVars>> PhaseToLine(Caption clicked, const ThreePhaseEntries& entries,
                                           ThreePhaseVars vars) {
    return three_phase::Click<PhaseToLineRun>(clicked, entries, vars, kSides);
}

} // namespace vora::calc
