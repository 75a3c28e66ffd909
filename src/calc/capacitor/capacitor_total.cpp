// SPDX-License-Identifier: MIT
#include "capacitor_total.h"

#include "calc/number.h"
#include "calc/total_display.h"
#include "capacitor_formulas.h"

#include <cmath>

namespace vora::calc {
namespace {

using capacitor::Divisions;
using capacitor::Stage;

// Entry number × factor = farads, by the position of the capacitor's list.
constexpr double kReadFactor[3] = {1, 0.000001, 0.000000001};
// Total in farads × factor = the number shown, by the position of cboCT.
const TotalUnits kTotalUnits{
    "CT", "total capacitance", {"F", "µF", "nF"}, {1, 1000000, 1000000000}};

class TotalRun {
public:
    TotalRun(const NetworkEntries& in, CapacitorVars& v)
        : in_(in)
        , v_(v)
        , named_(v)
        , div_("total capacitance", Stage::Total) {}

    Working Run() {
        Rows();
        if (!computed_) {
            const std::string run = LeadingRun(in_.choices);
            w_.Say(run.empty() ? "Capacitor 1 has no connection chosen, so no total is computed; "
                                 "the stored total is shown."
                               : "The arrangement " + run +
                                     " is not computed as a network; the stored total is shown.");
            w_.Note("CT", named_.CT(), "F");
        }
        return std::move(w_);
    }

private:
    // The decision table: the arrangement (N = no choice, * = not examined,
    // ? = Series or Parallel), how many capacitors are read, and what is
    // stored; a row that stores nothing leaves CT as it was. Exactly one row
    // matches any arrangement.
    // clang-format off
    void Rows() {
        if (Row("N***", 0)) return;
        if (Row("SN**", 1)) return SetCT(C(1), N(1));
        if (Row("PN**", 0)) return;
        if (Row("SSN*", 2)) return SetCT(Ser({C(1), C(2)}), Series({N(1), N(2)}));
        if (Row("SPN*", 2)) return SetCT(C(1), N(1));
        if (Row("PSN*", 2)) return;
        if (Row("PPN*", 2)) return SetCT(C(1) + C(2), Parallel({N(1), N(2)}));
        if (Row("SSSN", 3)) return SetCT(Ser({C(1), C(2), C(3)}), Series({N(1), N(2), N(3)}));
        if (Row("SSPN", 3)) return SetCT(Ser({C(1), C(2), C(3)}), Series({N(1), N(2), N(3)}));
        if (Row("SPSN", 3)) return SetCT(C(1), N(1));
        if (Row("SPPN", 3)) return SetCT(Ser({C(1), C(2) + C(3)}),
                                          Series({N(1), Parallel({N(2), N(3)})}));
        if (Row("PSSN", 3)) { SetSB(Ser({C(2), C(3)}));
                              return SetCT(C(1) + SB(), Parallel({N(1), Series({N(2), N(3)})})); }
        if (Row("PSPN", 3)) return;
        if (Row("PPSN", 3)) return SetCT(C(1) + C(2), Parallel({N(1), N(2)}));
        if (Row("PPPN", 3)) return SetCT(C(1) + C(2) + C(3), Parallel({N(1), N(2), N(3)}));
        if (Row("SSS?", 4)) return SetCT(Ser({C(1), C(2), C(3), C(4)}),
                                          Series({N(1), N(2), N(3), N(4)}));
        if (Row("SSP?", 4)) { SetPB(C(3) + C(4));
                              return SetCT(Ser({C(1), C(2), PB()}),
                                           Series({N(1), N(2), Parallel({N(3), N(4)})})); }
        if (Row("SPS?", 4)) { SetSB(Ser({C(3), C(4)})); SetPB(C(2) + SB());
                              return SetCT(Ser({C(1), PB()}),
                                           Series({N(1), Parallel({N(2), Series({N(3), N(4)})})})); }
        if (Row("SPPS", 4)) { SetPB(C(2) + C(3) + C(4));
                              return SetCT(Ser({C(1), PB()}), Series({N(1), Parallel({N(2), N(3), N(4)})})); }
        if (Row("SPPP", 4)) return SetCT(Ser({C(1), C(2) + C(3) + C(4)}),
                                          Series({N(1), Parallel({N(2), N(3), N(4)})}));
        if (Row("PSS?", 4)) { SetSB(Ser({C(2), C(3), C(4)}));
                              return SetCT(C(1) + SB(), Parallel({N(1), Series({N(2), N(3), N(4)})})); }
        if (Row("PSP?", 4)) { SetSB(Ser({C(2), C(3) + C(4)}));
                              return SetCT(C(1) + SB(),
                                           Parallel({N(1), Series({N(2), Parallel({N(3), N(4)})})})); }
        if (Row("PPS?", 4)) { SetSB(Ser({C(3), C(4)}));
                              return SetCT(C(1) + C(2) + SB(), Parallel({N(1), N(2), Series({N(3), N(4)})})); }
        if (Row("PPP?", 4)) return SetCT(C(1) + C(2) + C(3) + C(4),
                                          Parallel({N(1), N(2), N(3), N(4)}));
    }
    // clang-format on

    // True when the arrangement matches; then capacitors 1 to `read` are read.
    bool Row(std::string_view pattern, int read) {
        if (!Matches(in_.choices, pattern)) return false;
        for (int k = 1; k <= read; ++k)
            Read(k);
        return true;
    }

    // The entry number times the factor of the capacitor's unit; a typed unit
    // that is none of the list's means farads.
    void Read(int k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const double number = ReadStrict(in_.values[i]);
        const int pos = in_.units[i];
        const std::string name = "C" + std::to_string(k);
        if (pos >= 1 && pos <= 2)
            w_.Let(v_.C(k), name, Term(number) * kReadFactor[pos], "F");
        else
            w_.Let(v_.C(k), name, Term::Named(name, number), "F");
    }

    Term C(int k) const { return named_.C(k); }
    Term SB() const { return named_.SB(); }
    Term PB() const { return named_.PB(); }
    Term Ser(std::initializer_list<Term> parts) const { return div_.Ser(parts); }

    // The row's total, and the network as the row reads it.
    void SetCT(const Term& t, Sketch sketch) {
        w_.Let(v_.CT, "CT", t, "F");
        sketch_ = std::move(sketch);
        computed_ = true;
    }
    static Sketch N(int k) { return Element("C" + std::to_string(k)); }
    void SetSB(const Term& t) { w_.Let(v_.SeriesBranch, "SeriesBranch", t, "F"); }
    void SetPB(const Term& t) { w_.Let(v_.ParallelBranch, "ParallelBranch", t, "F"); }

    const NetworkEntries& in_;
    CapacitorVars& v_;
    capacitor::Named named_;
    Divisions div_;
    Working w_;
    bool computed_ = false;
    Sketch sketch_;

public:
    const Sketch& sketch() const { return sketch_; }
};

} // namespace

Outcome<TotalShown<CapacitorVars>> TotalCapacitance(const NetworkEntries& entries,
                                                    CapacitorVars vars) {
    return Attempt([&] {
        TotalRun run(entries, vars);
        Working working = run.Run();
        if (!AllFinite(vars)) Divisions("total capacitance", Stage::Total).FailNotFinite();
        std::string label = ShowTotal(vars.CT, entries.totalUnit, kTotalUnits, working);
        return TotalShown<CapacitorVars>{vars, std::move(label), std::move(working), run.sketch()};
    });
}

} // namespace vora::calc
