// SPDX-License-Identifier: MIT
// The pieces the power buttons share: the source branch of a block and the
// recurring steps "Z → Impedance", "I = V ÷ Z" and "Z · I → TotalVoltage".
#pragma once

#include "ac_run.h"
#include "ac_types.h"
#include "calc/fields.h"
#include "calc/number.h"

namespace vora::calc {

class PowerRun : public AcRun {
public:
    PowerRun(const AcSource& in, AcVars& vars)
        : AcRun(vars, false)
        , in_(in)
        , voltage_(in.source == Source::Voltage) {}

    bool applied() const { return applied_; }

protected:
    bool Is(const char* pattern) const { return Matches(in_.choices, pattern); }
    bool Voltage() const { return voltage_; }

    // A block's source value, read without its unit: V → TotalVoltage when
    // Voltage is chosen, otherwise I → TotalCurrent.
    void ReadSource(bool strict = false) {
        const Field& field = in_.value.field;
        const double value = strict ? ReadStrict(field) : ReadLeading(field);
        if (voltage_)
            Let(v_.TotalVoltage, "V", Term::Named("V", value));
        else
            Let(v_.TotalCurrent, "I", Term::Named("I", value));
    }

    Term SetZ(const Term& z) { return Let(v_.Impedance, "Z", z); }
    Term CurrentThroughZ() { return Let(v_.TotalCurrent, "I", Over(V(), Z(), Culprit::Impedance)); }
    Term VoltageAcrossZ() { return Let(v_.TotalVoltage, "V", Z() * I()); }
    Term StoreXL() { return Let(v_.InductiveReactance, "XL", InductiveOf(L())); }
    Term StoreXC() { return Let(v_.CapacitiveReactance, "XC", CapacitiveOf(C())); }
    Term StoreT() { return Let(v_.ParallelLC, "t", T()); }

    // 1 ÷ √((1/R)² + (1/X)²): R in parallel with one reactance.
    Term ParallelWith(const Term& x, Culprit why) const {
        return 1 / Sqrt(Square(Over(1, R(), Culprit::Resistance)) + Square(Over(1, x, why)));
    }

    // The figure the button shows, stored under its name.
    void Result(double& target, const char* name, const Term& value) {
        Let(target, name, value);
        applied_ = true;
    }

private:
    const AcSource& in_;
    bool voltage_;
    bool applied_ = false;
};

// Runs one power button's blocks on a copy of the stored values; `shown` is
// the value its label shows.
template <class Blocks>
Outcome<PowerShown> RunPower(const AcSource& in, AcVars vars, double AcVars::*shown) {
    return Attempt([&] {
        Blocks run(in, vars);
        run.Run();
        Working working = run.TakeWorking();
        if (!run.applied())
            working.Say("No block covers this connection, so nothing is computed and the label "
                        "keeps its value.");
        return PowerShown{vars, run.applied(), FormatNumber(vars.*shown), std::move(working)};
    });
}

} // namespace vora::calc
