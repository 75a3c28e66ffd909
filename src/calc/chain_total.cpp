// SPDX-License-Identifier: MIT
#include "chain_total.h"

#include "chain_kind.h"
#include "number.h"
#include "total_display.h"

#include <cmath>
#include <initializer_list>

namespace vora::calc {
namespace {

class TotalRun {
public:
    TotalRun(const ChainKind& kind, const NetworkEntries& in, Chain c)
        : kind_(kind)
        , in_(in)
        , c_(c) {}

    const std::array<bool, 4>& read() const { return read_; }
    const Sketch& sketch() const { return sketch_; }

    Working Run() {
        const auto& ch = in_.choices;
        const std::string& RT = kind_.total;
        if (Matches(ch, "S")) {
            Read({1});
            if (Applies({"S"})) {
                Let(c_.T(), RT, E(1));
                Draw(N(1));
            }
        }
        if (Matches(ch, "??")) {
            Read({1, 2});
            if (Applies({"SS"})) {
                Let(c_.T(), RT, E(2) + E(1));
                Draw(Series({N(1), N(2)}));
            }
            if (Applies({"PP"})) {
                Let(c_.T(), RT, 1 / (1 / E(1) + 1 / E(2)));
                Draw(Parallel({N(1), N(2)}));
            }
        }
        if (Matches(ch, "???")) {
            Read({1, 2, 3});
            ThreeElementRules();
        }
        if (Matches(ch, "????")) {
            Read({1, 2, 3, 4});
            FourElementRules();
        }
        if (!ruleApplied_) {
            const std::string run = LeadingRun(ch);
            w_.Say(run.empty() ? "Element 1 has no connection chosen, so no total is computed; "
                                 "the previous total is shown."
                               : "No rule covers the pattern " + run +
                                     ", so no total is computed; the previous total is shown.");
            w_.Note(kind_.total, T(), kind_.unit);
        }
        return std::move(w_);
    }

private:
    void ThreeElementRules() {
        const std::string& RT = kind_.total;
        if (Applies({"SSS", "SSP"})) {
            Let(c_.T(), RT, E(2) + E(1) + E(3));
            Draw(Series({N(1), N(2), N(3)}));
        }
        if (Applies({"SPP"})) {
            Draw(Series({N(1), Parallel({N(2), N(3)})}));
            Let(c_.ParallelPart(), "ParallelPart", 1 / (1 / E(3) + 1 / E(2)));
            Let(c_.T(), RT, PP() + E(1));
        }
        if (Applies({"PSS"})) {
            Draw(Parallel({N(1), Series({N(2), N(3)})}));
            Let(c_.SeriesPart(), "SeriesPart", E(2) + E(3));
            Let(c_.T(), RT, SP() * E(1) / (SP() + E(1)));
        }
        if (Applies({"PPP"})) {
            Let(c_.T(), RT, 1 / (1 / E(2) + 1 / E(1) + 1 / E(3)));
            Draw(Parallel({N(1), N(2), N(3)}));
        }
    }

    // Exactly one of these matches a four-element pattern.
    void FourElementRules() {
        const std::string& RT = kind_.total;
        if (Applies({"SSSS"})) {
            Let(c_.T(), RT, E(2) + E(1) + E(3) + E(4));
            Draw(Series({N(1), N(2), N(3), N(4)}));
        }
        if (Applies({"SSSP"})) {
            Draw(Series({N(1), N(2), N(3), N(4)}));
            Let(c_.SeriesPart(), "SeriesPart", E(2) + E(1) + E(3) + E(4));
            Let(c_.T(), RT, SP());
        }
        if (Applies({"SSPS", "SSPP"})) {
            Let(c_.T(), RT, E(3) * E(4) / (E(3) + E(4)) + E(1) + E(2));
            Draw(Series({N(1), N(2), Parallel({N(3), N(4)})}));
        }
        if (Applies({"SPSS", "SPSP"})) {
            Draw(Series({N(1), Parallel({N(2), Series({N(3), N(4)})})}));
            Let(c_.ParallelPart(), "ParallelPart", (E(3) + E(4)) * E(2) / (E(3) + E(4) + E(2)));
            Let(c_.T(), RT, PP() + E(1));
        }
        if (Applies({"SPPS", "SPPP"})) {
            Draw(Series({N(1), Parallel({N(2), N(3), N(4)})}));
            Let(c_.ParallelPart(), "ParallelPart", 1 / (1 / E(3) + 1 / E(2) + 1 / E(4)));
            Let(c_.T(), RT, PP() + E(1));
        }
        if (Applies({"PSSS", "PSSP"})) {
            Let(c_.T(), RT, (E(3) + E(2) + E(4)) * E(1) / (E(2) + E(1) + E(3) + E(4)));
            Draw(Parallel({N(1), Series({N(2), N(3), N(4)})}));
        }
        if (Applies({"PSPS", "PSPP"})) {
            Draw(Parallel({N(1), Series({N(2), Parallel({N(3), N(4)})})}));
            Let(c_.ParallelPart(), "ParallelPart", E(3) * E(4) / (E(3) + E(4)) + E(2));
            Let(c_.T(), RT, PP() * E(1) / (PP() + E(1)));
        }
        if (Applies({"PPSS", "PPSP"})) {
            Draw(Parallel({N(1), N(2), Series({N(3), N(4)})}));
            Let(c_.ParallelPart(), "ParallelPart", 1 / E(2) + 1 / E(1) + 1 / (E(4) + E(3)));
            Let(c_.T(), RT, 1 / PP());
        }
        if (Applies({"PPPS"})) {
            Draw(Series({Parallel({N(1), N(2), N(3)}), N(4)}));
            Let(c_.ParallelPart(), "ParallelPart", 1 / (1 / E(2) + 1 / E(1) + 1 / E(3)));
            Let(c_.T(), RT, PP() + E(4));
        }
        if (Applies({"PPPP"})) {
            Draw(Parallel({N(1), N(2), N(3), N(4)}));
            Let(c_.ParallelPart(), "ParallelPart", 1 / E(2) + 1 / E(1) + 1 / E(3) + 1 / E(4));
            Let(c_.T(), RT, 1 / PP());
        }
    }

    // Converts every text first, then scales, in element order.
    void Read(std::initializer_list<int> elements) {
        std::array<double, 4> value{};
        for (int k : elements)
            value[k - 1] = ReadStrict(in_.values[k - 1]);
        for (int k : elements) {
            const int pos = in_.units[k - 1];
            c_.E(k) = pos >= 0 && pos <= 2 ? value[k - 1] * kind_.readFactor[pos] : value[k - 1];
            read_[k - 1] = true;
        }
    }

    // True when the choices match one of the patterns. A rule that matches
    // replaces the working of any earlier step, as it replaces the total.
    bool Applies(std::initializer_list<const char*> patterns) {
        for (const char* p : patterns) {
            if (Matches(in_.choices, p)) {
                ruleApplied_ = true;
                w_.Clear();
                return true;
            }
        }
        return false;
    }
    void Let(double& target, const std::string& name, const Term& t) {
        w_.Let(target, name, t, &target == &c_.T() ? kind_.unit : std::string{});
    }

    Term E(int k) const { return Term::Named(kind_.Element(k), c_.E(k)); }
    Sketch N(int k) const { return Element(kind_.Element(k)); }
    void Draw(Sketch sketch) { sketch_ = std::move(sketch); }
    Term T() const { return Term::Named(kind_.total, c_.T()); }
    Term PP() const { return Term::Named("ParallelPart", c_.ParallelPart()); }
    Term SP() const { return Term::Named("SeriesPart", c_.SeriesPart()); }

    const ChainKind& kind_;
    const NetworkEntries& in_;
    Chain c_;
    Working w_;
    bool ruleApplied_ = false;
    std::array<bool, 4> read_{};
    Sketch sketch_;
};

// Names the most likely cause when the rules produced a value that is not a
// finite number: a zero element that the connection divides by, if any.
[[noreturn]] void FailTotal(const ChainKind& kind, const NetworkEntries& in, const Chain& c,
                            const std::array<bool, 4>& read) {
    for (int k = 1; k <= 4; ++k) {
        if (read[k - 1] && c.E(k) == 0) {
            const std::string name = kind.Element(k);
            FailCompute(kind.element + " " + std::to_string(k) +
                            " is 0, and this connection "
                            "divides by it. Enter a value other than 0 in \"" +
                            in.values[k - 1].label + "\".",
                        in.values[k - 1].name);
        }
    }
    FailCompute(TooLargeOrUndefined(kind.quantity, "Check the values entered."));
}

template <class Vars>
Outcome<TotalShown<Vars>> ComputeTotal(const ChainKind& kind, const NetworkEntries& in, Vars vars) {
    return Attempt([&] {
        Chain c(vars);
        TotalRun run(kind, in, c);
        Working working = run.Run();
        if (!AllFinite(vars)) FailTotal(kind, in, c, run.read());
        const TotalUnits units{kind.total, kind.quantity, kind.units, kind.showFactor};
        std::string label = ShowTotal(c.T(), in.totalUnit, units, working);
        return TotalShown<Vars>{vars, std::move(label), std::move(working), run.sketch()};
    });
}

} // namespace

Outcome<TotalShown<ResistorVars>> TotalResistance(const NetworkEntries& entries,
                                                  ResistorVars vars) {
    return ComputeTotal(ChainKind::Resistor(), entries, vars);
}

Outcome<TotalShown<InductorVars>> TotalInductance(const NetworkEntries& entries,
                                                  InductorVars vars) {
    return ComputeTotal(ChainKind::Inductor(), entries, vars);
}

} // namespace vora::calc
