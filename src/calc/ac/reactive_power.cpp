// SPDX-License-Identifier: MIT
// "Reactive Power" and "Apparent Power". Both keep their figure in
// ReactivePower; most blocks show I² · XC whatever the circuit.
#include "power_run.h"
#include "powers.h"

namespace vora::calc {
namespace {

// Formulas the two buttons share.
class ReactiveShares : public PowerRun {
protected:
    using PowerRun::PowerRun;

    // 1 ÷ √((1/(XL − XC))²): the stored inductor and capacitor in parallel.
    Term ParallelLCImpedance() const {
        return 1 / Sqrt(Square(Over(1, XL() - XC(), Culprit::EqualReactances)));
    }
    // ((Z · I) ÷ XC)² · XC with Z · I just stored as the voltage.
    Term ThroughCapacitor() const {
        return Square(Over(V(), XC(), Culprit::CapacitiveReactance)) * XC();
    }
    // I · R ÷ √(R² + X²): the current divider's share for the element of
    // reactance X.
    Term Divided(const Term& x) const { return I() * R() / Sqrt(Square(R()) + Square(x)); }

    void Shown(const Term& value) { Result(v_.ReactivePower, name_, value); }

    const char* name_ = "Q";
};

class ReactivePowerBlocks : public ReactiveShares {
public:
    using ReactiveShares::ReactiveShares;

    void Run() {
        if (Is("~*S")) { // 1
            ReadSource();
            if (Voltage()) {
                StoreXC();
                SetZ(Abs(XC()));
                CurrentThroughZ();
            }
            Shown(Square(I()) * XC());
        }
        if (Is("S~S")) { // 2
            ReadSource();
            if (Voltage()) {
                SetZ(Sqrt(Square(XC()) + Square(R())));
                CurrentThroughZ();
            }
            Shown(Square(I()) * XC());
        }
        if (Is("P~P")) { // 3
            ReadSource(Voltage());
            SetZ(Sqrt(Square(Over(1, XC(), Culprit::CapacitiveReactance)) +
                      Square(Over(1, R(), Culprit::Resistance))));
            if (Voltage()) {
                CurrentThroughZ();
                Shown(Square(I()) * XC());
            } else {
                VoltageAcrossZ();
                Shown(ThroughCapacitor());
            }
        }
        if (Is("~SS")) SeriesLC(false); // 4
        if (Is("~PP")) {                // 5
            ReadSource();
            SetZ(ParallelLCImpedance());
            if (Voltage()) {
                CurrentThroughZ();
                Shown(Square(I()) * XC());
            } else {
                VoltageAcrossZ();
                Shown(ThroughCapacitor());
            }
        }
        if (Is("~SS")) SeriesLC(true); // 6: same condition as 4, and shown last
        if (Is("SSS")) {               // 7
            ReadSource();
            if (Voltage()) {
                SetZ(Sqrt(Square(R()) + Square(XL() - XC())));
                CurrentThroughZ();
            }
            Shown(Square(I()) * XL());
        }
        if (Is("PPP")) { // 8
            ReadSource();
            if (!Voltage()) {
                const Term t = StoreT();
                SetZ(Sqrt(Square(R()) + Square(t)));
                VoltageAcrossZ();
            }
            const Term il = Let(v_.InductorCurrent, "IL", Over(V(), XL(), Culprit::Inductance));
            Shown(Square(il) * XL());
        }
        if (Is("SPP")) { // 9
            ReadSource();
            if (Voltage()) {
                StoreXL();
                StoreXC();
                const Term t = StoreT();
                SetZ(Sqrt(Square(t) + Square(R())));
                CurrentThroughZ();
            }
            const Term il = Let(v_.InductorCurrent, "IL", Divided(XL()));
            Shown(Square(il) * XL());
        }
    }

private:
    void SeriesLC(bool storeZInCurrentBranch) {
        ReadSource();
        if (Voltage() || storeZInCurrentBranch) SetZ(Abs(XL() - XC()));
        if (Voltage()) CurrentThroughZ();
        Shown(Square(I()) * XC());
    }
};

class ApparentPowerBlocks : public ReactiveShares {
public:
    ApparentPowerBlocks(const AcSource& in, AcVars& vars)
        : ReactiveShares(in, vars) {
        name_ = "S";
    }

    void Run() {
        const auto capacitor = [this] { return Abs(XC()); };
        const auto withR = [this] { return Sqrt(Square(XC()) + Square(R())); };
        const auto lc = [this] { return Abs(XL() - XC()); };
        const auto rlc = [this] { return Sqrt(Square(R()) + Square(XL() - XC())); };
        if (Is("~*S")) Series(capacitor, capacitor); // 1
        if (Is("S~S")) Series(withR, withR);         // 2
        if (Is("P~P"))                               // 3
            Parallel([this] { return ParallelWith(XC(), Culprit::CapacitiveReactance); });
        if (Is("~SS")) Series(lc, rlc);                                    // 4
        if (Is("~PP")) Parallel([this] { return ParallelLCImpedance(); }); // 5
        if (Is("SSS")) {                                                   // 6
            ReadSource();
            if (Voltage()) {
                SetZ(Sqrt(Square(R()) + Square(XL() - XC())));
                CurrentThroughZ();
            }
            Shown(Square(I()) * XC());
        }
        if (Is("PPP")) { // 7
            ReadSource(!Voltage());
            if (!Voltage()) {
                const Term t = StoreT();
                SetZ(Sqrt(Square(R()) + Square(t)));
                VoltageAcrossZ();
            }
            Shown(Square(CapacitorCurrent(V())) * XC());
        }
        if (Is("SPP")) { // 8
            ReadSource(!Voltage());
            if (Voltage()) {
                const Term t = StoreT();
                SetZ(Sqrt(Square(R()) + Square(t)));
                CurrentThroughZ();
            }
            const Term ic = Let(v_.CapacitorCurrent, "IC", Divided(XC()));
            Shown(Square(ic) * XC());
        }
    }

private:
    // Blocks 1, 2 and 4: an impedance in each branch, then I² · XC.
    template <class ZV, class ZC> void Series(ZV zVoltage, ZC zCurrent) {
        ReadSource();
        SetZ(Voltage() ? zVoltage() : zCurrent());
        if (Voltage()) CurrentThroughZ();
        Shown(Square(I()) * XC());
    }
    // Blocks 3 and 5: the current through the capacitor from the voltage
    // across the parallel impedance.
    template <class ZF> void Parallel(ZF z) {
        ReadSource();
        SetZ(z());
        if (Voltage()) {
            CurrentThroughZ();
            Shown(Square(I()) * XC());
        } else {
            VoltageAcrossZ();
            Shown(ThroughCapacitor());
        }
    }
    Term CapacitorCurrent(const Term& v) {
        return Let(v_.CapacitorCurrent, "IC", Over(v, XC(), Culprit::CapacitiveReactance));
    }
};

} // namespace

Outcome<PowerShown> ReactivePower(const AcSource& source, AcVars vars) {
    return RunPower<ReactivePowerBlocks>(source, vars, &AcVars::ReactivePower);
}

Outcome<PowerShown> ApparentPower(const AcSource& source, AcVars vars) {
    return RunPower<ApparentPowerBlocks>(source, vars, &AcVars::ReactivePower);
}

} // namespace vora::calc
