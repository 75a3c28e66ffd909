// SPDX-License-Identifier: MIT
#include "impedance.h"

#include "ac_run.h"
#include "calc/number.h"
#include "calc/total_display.h"
#include "scaled_read.h"

#include <array>

namespace vora::calc {
namespace {

class ImpedanceBlocks : public AcRun {
public:
    ImpedanceBlocks(const AcEntries& in, AcVars& vars, std::vector<ImpedanceStep>& steps)
        : AcRun(vars, true)
        , in_(in)
        , steps_(steps) {}

    void Run() {
        if (Is("?")) { // block A
            ReadR();
            SetZ(R());
        }
        if (Is("~?")) { // B
            ReadL();
            SetZ(Abs(LocalXL()));
        }
        if (Is("~~?")) { // C
            ReadC();
            const Term xc = LocalXC();
            if (xc.value() < 0)
                FailCompute("The capacitor value is negative, so the square root of its "
                            "reactance cannot be taken. Enter a value greater than 0 in "
                            "\"Capacitor Value\".",
                            "txtXC");
            SetZ(Square(Sqrt(xc)));
        }
        if (Is("??")) { // D
            ReadR();
            ReadL();
            if (Is("SS")) SetZ(Sqrt(Square(R()) + Square(LocalXL())));
            if (Is("PP"))
                SetZ(1 / Sqrt(Square(Over(1, R(), Culprit::Resistance)) +
                              Square(Over(1, LocalXL(), Culprit::Inductance))));
        }
        if (Is("?~?")) { // E
            ReadR();
            ReadC();
            if (Is("S~S")) {
                StoreXC();
                SetZ(Sqrt(Square(XC()) + Square(R())));
            }
            if (Is("P~P")) {
                StoreXC();
                SetZ(1 / Sqrt(Square(Over(1, R(), Culprit::Resistance)) +
                              Square(Over(1, XC(), Culprit::CapacitiveReactance))));
            }
        }
        if (Is("~??")) { // F
            ReadL();
            ReadC();
            if (Is("~SS")) {
                StoreXL();
                StoreXC();
                SetZ(Abs(XL() - XC()));
            }
            if (Is("~PP")) {
                StoreXL();
                StoreXC();
                if (!Infinite())
                    SetZ(1 / Abs(Over(1, XL(), Culprit::Inductance) -
                                 Over(1, XC(), Culprit::CapacitiveReactance)));
            }
        }
        if (Is("???")) BlockG();
        if (Is("NNN"))
            w_.Say("No element is chosen, so nothing is read and the impedance stored earlier "
                   "is shown.");
    }

private:
    void BlockG() {
        ReadR();
        ReadL();
        ReadC();
        if (Is("SSS")) {
            StoreXL();
            StoreXC();
            SetZ(Sqrt(Square(R()) + Square(XL() - XC())));
        }
        if (Is("PPP")) {
            StoreXL();
            StoreXC();
            // The magnitude of R, L and C in parallel.
            if (!Infinite())
                SetZ(R() * XL() * XC() /
                     Sqrt(Square(XC()) * Square(XL()) + Square(R()) * Square(XC() - XL())));
        }
        if (Is("SPP")) {
            StoreXL();
            StoreXC();
            if (!Infinite()) {
                Let(v_.ParallelLC, "X", 1 / T());
                SetZ(Sqrt(Square(R()) + Square(X())));
            }
        }
        if (Is("PSS")) {
            StoreXL();
            StoreXC();
            SetZ(Abs(XL() - XC()) * R() / Sqrt(Square(R()) + Square(XL() - XC())));
        }
    }

    bool Is(const char* pattern) const { return Matches(in_.choices, pattern); }

    // Reading the same field again gives the same value, so the working
    // records each element once.
    void Read(int k, const UnitField& entry, const Multipliers& units, double& target,
              const char* name) {
        const double value = ScaledRead(entry.field, entry.position, 0, units);
        if (read_[k]) {
            target = value;
        } else {
            Let(target, name, Term::Named(name, value));
            read_[k] = true;
        }
    }
    void ReadR() { Read(0, in_.resistor, kResistorUnits, v_.Resistance, "R"); }
    void ReadL() { Read(1, in_.inductor, kInductorUnits, v_.Inductance, "L"); }
    void ReadC() { Read(2, in_.capacitor, kCapacitorUnits, v_.Capacitance, "C"); }

    // Blocks B to D use the reactances without storing them.
    Term LocalXL() { return Note("XL", InductiveOf(L())); }
    Term LocalXC() { return Note("XC", CapacitiveOf(C())); }
    void StoreXL() { Let(v_.InductiveReactance, "XL", InductiveOf(L())); }
    void StoreXC() { Let(v_.CapacitiveReactance, "XC", CapacitiveOf(C())); }

    // Every block shows its impedance at once.
    void SetZ(const Term& z) {
        Let(v_.Impedance, "Z", z);
        steps_.push_back({ImpedanceStep::Kind::Label, FormatNumber(v_.Impedance)});
    }

    // A parallel inductor and capacitor with exactly equal reactances: the
    // message, then Z = 0.
    bool Infinite() {
        if (v_.InductiveReactance != v_.CapacitiveReactance) return false;
        steps_.push_back({ImpedanceStep::Kind::Infinity, {}});
        w_.Say("XL = XC, so the impedance becomes infinite; Z is set to 0.");
        SetZ(0);
        return true;
    }

    const AcEntries& in_;
    std::vector<ImpedanceStep>& steps_;
    std::array<bool, 3> read_{};
};

// Step 9: the label in the chosen unit; the stored impedance stays in ohms.
const TotalUnits kImpedanceUnits{"Z", "total impedance", {"Ohm", "Kohm", "Mohm"}, {1, 0.001, 0.000001}};

} // namespace

ImpedanceRun TotalImpedance(const AcEntries& entries, AcVars vars) {
    std::vector<ImpedanceStep> steps;
    auto result = Attempt([&] {
        ImpedanceBlocks run(entries, vars, steps);
        run.Run();
        Working working = run.TakeWorking();
        std::string label = ShowTotal(vars.Impedance, entries.impedanceUnit, kImpedanceUnits, working);
        return ImpedanceShown{vars, std::move(label), std::move(working)};
    });
    return {std::move(steps), std::move(result)};
}

} // namespace vora::calc
