// SPDX-License-Identifier: MIT
// What every AC computation shares: the stored values as named terms,
// assignments that refuse values that are not finite, and divisions that
// name the element whose zero makes them impossible.
#pragma once

#include "ac_vars.h"
#include "calc/term.h"

#include <string_view>
#include <utility>

namespace vora::calc {

// The value whose zero (or extreme size) stops a computation.
enum class Culprit {
    Resistance,
    Inductance,          // a zero inductive reactance, from a zero inductor
    Capacitance,         // a zero capacitor under 1 / (C · 314)
    CapacitiveReactance, // a zero capacitive reactance as a divisor
    Impedance,
    EqualReactances, // XL − XC as a divisor
};

class AcRun {
public:
    // `fromEntries`: the event reads the element fields itself (Total
    // Impedance), so messages point at the entries rather than at the values
    // stored by an earlier click.
    AcRun(AcVars& vars, bool fromEntries)
        : v_(vars)
        , fromEntries_(fromEntries) {}

    Working TakeWorking() { return std::move(w_); }

protected:
    Term R() const { return Term::Named("R", v_.Resistance); }
    Term L() const { return Term::Named("L", v_.Inductance); }
    Term C() const { return Term::Named("C", v_.Capacitance); }
    Term Z() const { return Term::Named("Z", v_.Impedance); }
    Term XL() const { return Term::Named("XL", v_.InductiveReactance); }
    Term XC() const { return Term::Named("XC", v_.CapacitiveReactance); }
    Term X() const { return Term::Named("X", v_.ParallelLC); }
    Term V() const { return Term::Named("V", v_.TotalVoltage); }
    Term I() const { return Term::Named("I", v_.TotalCurrent); }

    // XL = L × 314 and XC = 1 ÷ (C × 314), in that order of operations.
    static Term InductiveOf(const Term& l) { return l * AngularFrequency; }
    Term CapacitiveOf(const Term& c) const {
        return Over(1, c * AngularFrequency, Culprit::Capacitance);
    }
    // t = (XC − XL) ÷ (XL · XC) of the stored reactances.
    Term T() const;

    // a ÷ b; a zero b raises the failure that names `why`.
    Term Over(const Term& a, const Term& b, Culprit why) const;
    [[noreturn]] void Blame(Culprit why) const;

    // Stores the term's value in `target`, records it in the working and
    // returns it under `name`; the unit and, on failure, the quantity's name
    // come from `name`.
    Term Let(double& target, std::string_view name, const Term& term);
    // Records a value that is used but not stored, and returns it under `name`.
    Term Note(std::string_view name, const Term& term);

    AcVars& v_;
    Working w_;

private:
    void RequireFinite(std::string_view name, double value) const;

    bool fromEntries_;
};

} // namespace vora::calc
