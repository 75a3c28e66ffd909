// SPDX-License-Identifier: MIT
#include "ac_run.h"

#include "calc/fields.h"

#include <array>
#include <cmath>
#include <string>

namespace vora::calc {
namespace {

struct Quantity {
    std::string_view name;
    std::string_view unit;
    std::string_view words;
    std::string_view field = {}; // the entry it comes from, where there is one
};

constexpr std::array<Quantity, 22> kQuantities{{
    {"R", "Ohm", "resistance", "txtR1"},
    {"L", "H", "inductance", "txtXL"},
    {"C", "F", "capacitance", "txtXC"},
    {"Z", "Ohm", "impedance"},
    {"XL", "Ohm", "inductive reactance", "txtXL"},
    {"XC", "Ohm", "capacitive reactance", "txtXC"},
    {"X", "Ohm", "reactance of the inductor and capacitor in parallel"},
    {"t", "", "quantity (XC − XL) / (XL · XC)"},
    {"V", "V", "source voltage", "txtIV"},
    {"I", "A", "source current", "txtIV"},
    {"IR", "A", "resistor current"},
    {"VR", "V", "resistor voltage"},
    {"IL", "A", "inductor current"},
    {"VL", "V", "inductor voltage"},
    {"IC", "A", "capacitor current"},
    {"VC", "V", "capacitor voltage"},
    {"P", "W", "active power"},
    {"Q", "VAR", "reactive power"},
    {"S", "VA", "apparent power"},
    {"PF", "", "power factor"},
    {"Zs", "Ohm", "series impedance"},
    {"Zp", "Ohm", "parallel impedance"},
}};

const Quantity& Find(std::string_view name) {
    for (const auto& q : kQuantities)
        if (q.name == name) return q;
    static const Quantity unknown{"", "", "result"};
    return unknown;
}

} // namespace

Term AcRun::T() const {
    const Culprit why =
        v_.InductiveReactance == 0 ? Culprit::Inductance : Culprit::CapacitiveReactance;
    return Over(XC() - XL(), XL() * XC(), why);
}

Term AcRun::Over(const Term& a, const Term& b, Culprit why) const {
    if (b.value() == 0) Blame(why);
    return a / b;
}

void AcRun::Blame(Culprit why) const {
    if (fromEntries_) {
        switch (why) {
        case Culprit::Resistance:
            FailCompute("The resistor value is 0, and this connection divides by it. Enter a "
                        "value other than 0 in \"Resistor Value\".",
                        "txtR1");
        case Culprit::Inductance:
            FailCompute("The inductor value is 0, and this connection divides by its reactance. "
                        "Enter a value other than 0 in \"Inductor Value\".",
                        "txtXL");
        case Culprit::Capacitance:
            FailCompute("The capacitor value is 0, so its reactance 1 / (C · 314) cannot be "
                        "found. Enter a value other than 0 in \"Capacitor Value\".",
                        "txtXC");
        case Culprit::CapacitiveReactance:
            FailCompute("The capacitor value is so large that its reactance is 0, and this "
                        "connection divides by it. Enter a smaller value in \"Capacitor Value\".",
                        "txtXC");
        default:
            break;
        }
        FailCompute(TooLargeOrUndefined("impedance", "Check the values entered."));
    }
    switch (why) {
    case Culprit::Resistance:
        FailCompute("The stored resistance is 0, and this computation divides by it. Enter the "
                    "resistor and click \"Total Impedance\" first.",
                    "txtR1");
    case Culprit::Inductance:
        FailCompute("The inductive reactance is 0, and this computation divides by it. Enter the "
                    "inductor and the capacitor, and click \"Total Impedance\" and then \"Power "
                    "Factor\", which computes both reactances.",
                    "txtXL");
    case Culprit::Capacitance:
        FailCompute("The stored capacitance is 0, so the capacitive reactance 1 / (C · 314) cannot "
                    "be found. Choose a connection for the capacitor, enter its value and click "
                    "\"Total Impedance\" first.",
                    "txtXC");
    case Culprit::CapacitiveReactance:
        FailCompute("The capacitive reactance is 0, and this computation divides by it. Enter the "
                    "inductor and the capacitor, and click \"Total Impedance\" and then \"Power "
                    "Factor\", which computes both reactances.",
                    "txtXC");
    case Culprit::Impedance:
        FailCompute(
            "The impedance is 0, and this computation divides by it. Enter the elements and "
            "click \"Total Impedance\" first.");
    case Culprit::EqualReactances:
        FailCompute(
            "The inductive and capacitive reactances are equal, and this computation divides "
            "by their difference. Change the inductor or the capacitor and click \"Total "
            "Impedance\" first.",
            "txtXL");
    }
    FailCompute(TooLargeOrUndefined("result", "Check the values entered."));
}

void AcRun::RequireFinite(std::string_view name, double value) const {
    if (std::isfinite(value)) return;
    const std::string advice = fromEntries_
                                   ? "Check the values entered."
                                   : "Check the source value and the element values, and click "
                                     "\"Total Impedance\" again.";
    const Quantity& q = Find(name);
    FailCompute(TooLargeOrUndefined(q.words, advice), std::string(q.field));
}

Term AcRun::Let(double& target, std::string_view name, const Term& term) {
    RequireFinite(name, term.value());
    w_.Let(target, name, term, Find(name).unit);
    return Term::Named(name, target);
}

Term AcRun::Note(std::string_view name, const Term& term) {
    RequireFinite(name, term.value());
    w_.Note(name, term, Find(name).unit);
    return Term::Named(name, term.value());
}

} // namespace vora::calc
