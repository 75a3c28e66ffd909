// SPDX-License-Identifier: MIT
// The rules S, P, A and B and the templates that several rows of the
// capacitor page's double-click tables share, each written once for
// capacitor k.
#include "calc/fields.h"
#include "capacitor_run.h"

namespace vora::calc::capacitor {

namespace {

bool NothingStored(const CapacitorVars& v) {
    return v.C1 == 0 && v.C2 == 0 && v.C3 == 0 && v.C4 == 0 && v.CT == 0;
}

} // namespace

ResultRun::ResultRun(const ElementClick& in, CapacitorVars& v)
    : in_(in)
    , v_(v)
    , named_(v)
    , div_("charge and voltage of capacitor " + std::to_string(in.element), Stage::Results)
    , k_(in.element)
    , series_(in.option == Choice::Series)
    , voltage_(in.source == Source::Voltage)
    , nothingStored_(NothingStored(v)) {}

void ResultRun::Apply(Rule rule) {
    const int k = k_;
    switch (rule) {
    case Rule::S:
        SourceBoth();
        SetQj(k, Q());
        SetVj(k, voltage_ ? Div(Qj(k), C(k)) : Div(Q(), C(k)));
        break;
    case Rule::P:
        if (voltage_)
            SourceVoltageOnly();
        else
            SourceBoth();
        SetVj(k, V());
        SetQj(k, C(k) * V());
        break;
    case Rule::A:
        SourceBoth();
        SetVj(1, Div(Q(), C(1)));
        SetVj(k, V() - Vj(1));
        SetQj(k, C(k) * Vj(k));
        break;
    case Rule::B:
        SourceBoth();
        SetVj(1, Div(Q(), C(1)));
        SetVj(2, Div(Q(), C(2)));
        SetVj(k, V() - (Vj(1) + Vj(2)));
        SetQj(k, C(k) * Vj(k));
        break;
    }
    Energy();
}

void ResultRun::ThroughSeriesBranch() {
    if (voltage_)
        SourceVoltageOnly();
    else
        SourceBoth();
    ChargeThrough(SB() * V());
}

void ResultRun::SeriesPairAfterC1() {
    SourceBoth();
    SetVj(1, Div(Q(), C(1)));
    ChargeThrough((V() - Vj(1)) * SB());
}

void ResultRun::BesideC1() {
    SourceBoth();
    SetQj(1, C(1) * V());
    ChargeThrough(Q() - Qj(1));
}

void ResultRun::GroupBehindC2() {
    SourceBoth();
    SetQj(1, C(1) * V());
    SetQj(2, Q() - Qj(1));
    SetVj(k_, Div(Qj(2), PB()));
    SetQj(k_, C(k_) * Vj(k_));
    Energy();
}

void ResultRun::ChargeThrough(const Term& charge) {
    SetQj(k_, charge);
    SetVj(k_, Div(Qj(k_), C(k_)));
    Energy();
}

// From the voltage where the source is a voltage, from the charge otherwise.
void ResultRun::Energy() {
    const int k = k_;
    SetU(k, voltage_ ? C(k) * Square(Vj(k)) / 2 : Square(Qj(k)) / (2 * NonZero(C(k))));
}

void ResultRun::SourceVoltageOnly() {
    SetV(ReadSource("SourceVoltage"));
}

void ResultRun::SourceBoth() {
    if (voltage_) {
        SetV(ReadSource("SourceVoltage"));
        SetQ(CT() * V());
    } else {
        SetQ(ReadSource("SourceCharge"));
        SetV(Div(Q(), CT()));
    }
}

// One fresh conversion of txtIV, with the conversion of the handler and row.
Term ResultRun::ReadSource(std::string_view as) const {
    const Field& f = in_.sourceField;
    if (!StrictSource()) return Term::Named(as, ReadLeading(f));
    // An exactly empty field was already announced by the page's own box.
    if (f.text.empty()) Fail({"Invalid Entry", "", f.name, /*alreadyReported=*/true});
    return Term::Named(as, ReadStrict(f));
}

std::string ResultRun::Arrangement(std::string_view pattern) {
    std::string text;
    for (const char c : pattern) {
        if (!text.empty()) text += ' ';
        text += c == '*' ? "any" : c == '?' ? "S or P" : std::string(1, c);
    }
    return text;
}

bool ResultRun::StrictSource() const {
    switch (k_) {
    case 1:
        return !series_;
    case 2:
        return true;
    case 3:
        return series_;
    default:
        return series_ ? row_ == 2 : row_ == 3 && voltage_;
    }
}

Term ResultRun::Ser(std::initializer_list<Term> parts) const {
    for (const Term& part : parts)
        NonZero(part);
    return div_.Ser(parts);
}

const Term& ResultRun::NonZero(const Term& divisor) const {
    if (divisor.value() == 0 && nothingStored_)
        FailCompute("No capacitances are stored yet, so the charge and voltage of capacitor " +
                    std::to_string(k_) +
                    " cannot be found. Enter the capacitors and click \"Total Capacitance\" "
                    "first.");
    return div_.NonZero(divisor);
}

} // namespace vora::calc::capacitor
