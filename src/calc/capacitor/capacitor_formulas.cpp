// SPDX-License-Identifier: MIT
#include "capacitor_formulas.h"

#include "calc/fields.h"

#include <cmath>

namespace vora::calc::capacitor {

namespace {

// The capacitor number when the term is one stored capacitance, else 0.
int CapacitorOf(const Term& t) {
    const std::string& s = t.symbols();
    if (s.size() == 2 && s[0] == 'C' && s[1] >= '1' && s[1] <= '4') return s[1] - '0';
    return 0;
}

} // namespace

void Divisions::FailZero(const Term& divisor) const {
    const std::string so = " is 0, so the " + quantity_ + " cannot be found. ";
    const std::string again =
        stage_ == Stage::Results ? " and click \"Total Capacitance\" again." : ".";
    if (const int k = CapacitorOf(divisor)) {
        const std::string n = std::to_string(k);
        FailCompute("Capacitor " + n + so + "Enter a value other than 0 in \"C" + n + " Value\"" +
                        again,
                    "txtC" + n);
    }
    if (divisor.symbols() == "CT")
        FailCompute("The total capacitance" + so +
                    "Enter the capacitors and click \"Total Capacitance\" first.");
    FailCompute("The capacitance " + divisor.symbols() + so + "Change the capacitors" + again);
}

void Divisions::FailNotFinite() const {
    FailCompute(TooLargeOrUndefined(quantity_, stage_ == Stage::Results
                                                   ? "Check the source and the capacitors."
                                                   : "Check the capacitors entered."));
}

const Term& Divisions::NonZero(const Term& divisor) const {
    if (divisor.value() == 0) FailZero(divisor);
    return divisor;
}

Term Divisions::Ser(std::initializer_list<Term> parts) const {
    const Term* part = parts.begin();
    Term sum = 1 / NonZero(*part);
    while (++part != parts.end())
        sum = sum + 1 / NonZero(*part);
    // A capacitance so small that its reciprocal overflows would otherwise
    // turn the combination into a silent 0.
    if (!std::isfinite(sum.value())) FailNotFinite();
    return 1 / sum;
}

} // namespace vora::calc::capacitor
