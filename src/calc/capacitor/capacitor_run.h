// SPDX-License-Identifier: MIT
// One double-click on a capacitor's connection option, run against a copy of
// the page's stored values. Each handler is a short table of rows; a row
// names the arrangement it applies to and its voltage and charge branches,
// which are either one of the rules S, P, A and B or a few steps of their own.
#pragma once

#include "calc/element_network.h"
#include "capacitor_formulas.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace vora::calc::capacitor {

enum class Rule {
    S, // capacitor k carries the whole source charge
    P, // capacitor k lies across the whole source voltage
    A, // capacitor 1 in series ahead of the parallel group holding k
    B, // capacitors 1 and 2 in series ahead of the parallel group holding k
};

class ResultRun {
public:
    ResultRun(const ElementClick& in, CapacitorVars& v);

    // Runs the handler's rows and returns the working of the rows that ran.
    Working Run();

private:
    // The eight handlers' tables (capacitor_results.cpp).
    void C1s();
    void C1p();
    void C2s();
    void C2p();
    void C3s();
    void C3p();
    void C4s();
    void C4p();

    // A row of a handler's table: when every capacitor written S or P in
    // `pattern` has that choice, runs the branch of the selected source.
    // A branch is a Rule or a callable.
    template <class Voltage, class Charge>
    void Row(int number, std::string_view pattern, Voltage voltage, Charge charge) {
        if (!Matches(in_.choices, pattern)) return;
        row_ = number;
        w_.Say("Row " + std::to_string(number) + " (" + Arrangement(pattern) + "), " +
               (voltage_ ? "voltage" : "charge") + " source:");
        if (voltage_)
            Branch(voltage);
        else
            Branch(charge);
    }
    template <class B> void Branch(B& branch) {
        if constexpr (std::is_same_v<B, Rule>)
            Apply(branch);
        else
            branch();
    }

    // "S S P any" for the pattern "SSP*", as the working shows it.
    static std::string Arrangement(std::string_view pattern);

    // The rules and the templates that several rows share (capacitor_rules.cpp).
    void Apply(Rule rule);
    void ThroughSeriesBranch(); // Qk := SB × V, V from the source
    void SeriesPairAfterC1();   // Qk := (V − V1) × SB
    void BesideC1();            // Qk := Q − C1 × V
    void GroupBehindC2();       // Vk := (Q − C1 × V) / PB
    void ChargeThrough(const Term& charge);
    void Energy();

    // The source: V := x only, or both source values (the other one from CT).
    void SourceVoltageOnly();
    void SourceBoth();
    Term ReadSource(std::string_view as) const;
    bool StrictSource() const;

    // Values as terms, and steps that store and record them.
    Term C(int j) const { return named_.C(j); }
    Term CT() const { return named_.CT(); }
    Term SB() const { return named_.SB(); }
    Term PB() const { return named_.PB(); }
    Term V() const { return Term::Named("SourceVoltage", v_.SourceVoltage); }
    Term Q() const { return Term::Named("SourceCharge", v_.SourceCharge); }
    Term Vj(int j) const { return Term::Named("V" + std::to_string(j), v_.V(j)); }
    Term Qj(int j) const { return Term::Named("Q" + std::to_string(j), v_.Q(j)); }

    void SetV(const Term& t) { w_.Let(v_.SourceVoltage, "SourceVoltage", t, "V"); }
    void SetQ(const Term& t) { w_.Let(v_.SourceCharge, "SourceCharge", t, "C"); }
    void SetCT(const Term& t) { w_.Let(v_.CT, "CT", t, "F"); }
    void SetSB(const Term& t) { w_.Let(v_.SeriesBranch, "SeriesBranch", t, "F"); }
    void SetPB(const Term& t) { w_.Let(v_.ParallelBranch, "ParallelBranch", t, "F"); }
    void SetVj(int j, const Term& t) { w_.Let(v_.V(j), "V" + std::to_string(j), t, "V"); }
    void SetQj(int j, const Term& t) { w_.Let(v_.Q(j), "Q" + std::to_string(j), t, "C"); }
    void SetU(int j, const Term& t) { w_.Let(v_.U(j), "U" + std::to_string(j), t, "J"); }

    // Division and series combination, refusing a divisor of 0.
    Term Div(const Term& a, const Term& b) const { return a / NonZero(b); }
    Term Ser(std::initializer_list<Term> parts) const;
    const Term& NonZero(const Term& divisor) const;

    const ElementClick& in_;
    CapacitorVars& v_;
    Named named_;
    Divisions div_;
    const int k_;
    const bool series_;
    const bool voltage_;
    const bool nothingStored_; // no capacitance and no total stored yet
    int row_ = 0;
    Working w_;
};

} // namespace vora::calc::capacitor
