// SPDX-License-Identifier: MIT
// "Power Factor" and "Active Power".
#include "power_run.h"
#include "powers.h"

namespace vora::calc {
namespace {

class PowerFactorBlocks : public PowerRun {
public:
    using PowerRun::PowerRun;

    std::string Run() {
        if (Is("PPP")) {
            ReadSource();
            if (Voltage()) {
                const Term ir = Let(v_.ResistorCurrent, "IR", Over(V(), R(), Culprit::Resistance));
                Let(v_.ActivePower, "P", ir * V()); // (V ÷ R) · V
                CurrentThroughZ();
            } else {
                VoltageAcrossZ();
                Let(v_.ActivePower, "P", Square(I()) * R());
            }
        }
        // Whatever the connection: the series circuit of the stored elements.
        StoreXC();
        StoreXL();
        SetZ(Sqrt(Square(R()) + Square(XL() - XC())));
        Let(v_.PowerFactor, "PF", Over(R(), Z(), Culprit::Impedance));
        if (v_.InductiveReactance > v_.CapacitiveReactance) return "Lagging";
        if (v_.InductiveReactance < v_.CapacitiveReactance) return "Leading";
        return "Unit";
    }
};

class ActivePowerBlocks : public PowerRun {
public:
    using PowerRun::PowerRun;

    void Run() {
        if (Is("S")) { // 1
            ReadSource();
            if (Voltage()) Let(v_.TotalCurrent, "I", Over(V(), R(), Culprit::Resistance));
            P(Square(I()) * R());
        }
        if (Is("SS")) { // 2
            ReadSource();
            if (Voltage()) {
                StoreXL();
                SetZ(Sqrt(Square(R()) + Square(XL())));
                CurrentThroughZ();
            }
            P(Square(I()) * R());
        }
        if (Is("PP")) { // 3
            ReadSource();
            if (Voltage()) {
                StoreXL();
                SetZ(ParallelWith(XL(), Culprit::Inductance));
                P(Square(ResistorCurrent(V(), Z(), Culprit::Impedance)) * R());
            } else {
                SetZ(ParallelWith(XL(), Culprit::Inductance));
                Let(v_.TotalVoltage, "V", I() * R());
                P(Square(ResistorCurrent(V(), R(), Culprit::Resistance)) * R());
            }
        }
        if (Is("S~S")) { // 4
            ReadSource();
            if (Voltage()) {
                StoreXC();
                SetZ(Sqrt(Square(R()) + Square(XC())));
                CurrentThroughZ();
            }
            P(Square(I()) * R());
        }
        if (Is("P~P")) { // 5
            ReadSource();
            SetZ(ParallelWith(XC(), Culprit::CapacitiveReactance));
            if (Voltage()) {
                P(Square(ResistorCurrent(V(), Z(), Culprit::Impedance)) * R());
            } else {
                VoltageAcrossZ();
                P(Square(ResistorCurrent(V(), R(), Culprit::Resistance)) * R());
            }
        }
        if (Is("SSS")) { // 6
            ReadSource();
            if (Voltage()) {
                SetZ(Sqrt(Square(R()) + Square(XL() - XC())));
                CurrentThroughZ();
            }
            P(Square(I()) * R());
        }
        if (Is("PPP")) { // 7
            ReadSource(Voltage());
            if (Voltage()) {
                Let(v_.ResistorVoltage, "VR", V());
                P(ResistorCurrent(V(), R(), Culprit::Resistance) * V());
            } else {
                VoltageAcrossZ();
                P(Square(ResistorCurrent(V(), R(), Culprit::Resistance)) * R());
            }
        }
        if (Is("SPP")) { // 8
            ReadSource();
            if (Voltage()) {
                const Term t = StoreT();
                SetZ(Sqrt(Square(R()) + Square(t)));
                CurrentThroughZ();
            }
            Let(v_.ResistorCurrent, "IR", I());
            P(Square(I()) * R());
        }
    }

private:
    void P(const Term& p) { Result(v_.ActivePower, "P", p); }

    // IR = a ÷ b → ResistorCurrent.
    Term ResistorCurrent(const Term& a, const Term& b, Culprit why) {
        return Let(v_.ResistorCurrent, "IR", Over(a, b, why));
    }
};

} // namespace

Outcome<PowerFactorShown> PowerFactor(const AcSource& source, AcVars vars) {
    return Attempt([&] {
        PowerFactorBlocks run(source, vars);
        std::string kind = run.Run();
        return PowerFactorShown{vars, FormatNumber(vars.PowerFactor), std::move(kind),
                                run.TakeWorking()};
    });
}

Outcome<PowerShown> ActivePower(const AcSource& source, AcVars vars) {
    return RunPower<ActivePowerBlocks>(source, vars, &AcVars::ActivePower);
}

} // namespace vora::calc
