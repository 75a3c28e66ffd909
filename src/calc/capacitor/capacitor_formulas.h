// SPDX-License-Identifier: MIT
// Pieces that the total and the per-capacitor results of the capacitor page
// share: the stored values as named terms, the series combination, and the
// messages for a capacitance of 0 under a division.
#pragma once

#include "calc/term.h"
#include "capacitor_vars.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace vora::calc::capacitor {

// A stored value as a term under its page name.
class Named {
public:
    explicit Named(const CapacitorVars& v)
        : v_(v) {}
    Term C(int k) const { return Term::Named("C" + std::to_string(k), v_.C(k)); }
    Term CT() const { return Term::Named("CT", v_.CT); }
    Term SB() const { return Term::Named("SeriesBranch", v_.SeriesBranch); }
    Term PB() const { return Term::Named("ParallelBranch", v_.ParallelBranch); }

private:
    const CapacitorVars& v_;
};

// Where a capacitance of 0 was met, which decides the advice.
enum class Stage {
    Total,   // while "Total Capacitance" combines the entries
    Results, // while a double-click works from the stored values
};

// Divisions of a computation, refused with a clear message when the divisor
// is 0 instead of producing an infinite value.
class Divisions {
public:
    // `quantity` is what cannot be found then, for example "total capacitance".
    Divisions(std::string quantity, Stage stage)
        : quantity_(std::move(quantity))
        , stage_(stage) {}

    // The divisor itself, after making sure that it is not 0.
    const Term& NonZero(const Term& divisor) const;
    // ser(a, b, ...) = 1 / (1/a + 1/b + ...), refusing a part of 0.
    Term Ser(std::initializer_list<Term> parts) const;

    // "Cannot Compute" for a divisor of 0: a single capacitor (naming its
    // field, where the focus goes), the total, or a combination of them.
    [[noreturn]] void FailZero(const Term& divisor) const;
    // "Cannot Compute" for a result that is not a finite number.
    [[noreturn]] void FailNotFinite() const;

private:
    std::string quantity_;
    Stage stage_;
};

} // namespace vora::calc::capacitor
