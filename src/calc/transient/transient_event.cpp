// SPDX-License-Identifier: MIT
#include "transient_event.h"

#include "calc/number.h"
#include "calc/units.h"

#include <cmath>
#include <limits>

namespace vora::calc {

namespace {

using transient::Circuit;
using transient::Step;

std::string N(double x) {
    return FormatNumber(x);
}

// A substituted number that starts with a sign gets brackets: "12 · (-0.5)".
std::string Operand(double x) {
    return x < 0 ? "(" + N(x) + ")" : N(x);
}

// The entry times its unit's factor; the page has checked the position.
double Scaled(const TransientEntry& entry, Units units) {
    return TimesUnit(ReadStrict(entry.field),
                     units[static_cast<std::size_t>(entry.position)].Factor(), entry.field);
}

double Positive(const TransientEntry& entry, Units units) {
    const double value = Scaled(entry, units);
    if (!(value > 0))
        Fail({"Invalid Entry",
              "Enter a number greater than 0 in \"" + entry.field.label +
                  "\" (for example 47, 2.2 or 1E3).",
              entry.field.name});
    return value;
}

// The formulas of the four circuits, in the model's sign convention.
struct Formulas {
    const char* storageName; // vC or vL
    const char* storageVoltage;
    const char* current;
    const char* energy;
    const char* start;
};

Formulas FormulasOf(Circuit circuit, Step step) {
    const bool charge = step == Step::Charge;
    if (circuit == Circuit::RC)
        return {"vC", charge ? "V · (1 − e^(−t/τ))" : "V · e^(−t/τ)",
                charge ? "(V / R) · e^(−t/τ)" : "−(V / R) · e^(−t/τ)", "W = C · vC² / 2",
                charge ? "Charging: the capacitor from 0 to V through R"
                       : "Discharging: the capacitor from V to 0 through R"};
    return {"vL", charge ? "V · e^(−t/τ)" : "−V · e^(−t/τ)",
            charge ? "(V / R) · (1 − e^(−t/τ))" : "(V / R) · e^(−t/τ)", "W = L · i² / 2",
            charge ? "Charging: the inductor's current from 0 to V / R"
                   : "Discharging: the inductor's current from V / R to 0 through R"};
}

void WriteWorking(const CurvePicture& s, const TransientVars& vars, const Term& tau,
                  const std::string& decay, Working& w) {
    const transient::Inputs& in = s.model;
    const Formulas f = FormulasOf(in.circuit, in.step);
    const bool charge = in.step == Step::Charge;
    const bool rc = in.circuit == Circuit::RC;
    const std::string e = " · " + decay;
    w.Say(f.start);
    w.Note("τ", tau, "s");
    w.Say("t = " + N(s.at.t) + " s");
    w.Say("e^(−t/τ) = e^(−" + N(s.at.t) + " / " + N(vars.TimeConstant) + ") = " + decay);
    if (s.at.t > 5 * vars.TimeConstant)
        w.Say("t is beyond 5τ: the change is as good as complete, the values are the final ones");

    const std::string v = Operand(in.v), r = N(in.r);
    std::string storage = std::string(f.storageName) + " = " + f.storageVoltage + " = ";
    std::string current = std::string("i = ") + f.current + " = ";
    if (rc) {
        storage += charge ? Operand(in.v) + " · (1 − " + decay + ")" : v + e;
        current += std::string(charge ? "" : "−") + "(" + v + " / " + r + ")" + e;
    } else {
        storage += std::string(charge ? "" : "−") + v + e;
        current += "(" + v + " / " + r + ")" + (charge ? " · (1 − " + decay + ")" : e);
    }
    w.Say(storage + " = " + N(s.at.storageVoltage) + " V");
    w.Say(current + " = " + N(s.at.current) + " A");
    w.Say("vR = i · R = " + Operand(s.at.current) + " · " + r + " = " + N(s.at.resistorVoltage) +
          " V");
    w.Say(std::string(f.energy) + " = " + N(in.storage) + " · " +
          Operand(rc ? s.at.storageVoltage : s.at.current) + "² / 2 = " + N(s.at.energy) + " J");
    w.Say("Change completed = 1 − e^(−t/τ) = 1 − " + decay + " = " + N(s.at.fraction * 100) + " %");
    for (const double fraction : {0.5, 0.632, 0.9, 0.99})
        w.Say("Time to reach " + N(fraction * 100) + " %: t = −τ · ln(1 − " + N(fraction) +
              ") = " + N(transient::TimeToReach(in, fraction)) + " s");
}

} // namespace

Outcome<Shown<TransientVars>> ComputeTransient(const TransientEntries& in, TransientVars vars) {
    return Attempt([&] {
        const bool rc = in.circuit == Circuit::RC;
        CurvePicture s;
        s.model = {.circuit = in.circuit,
                   .step = in.step,
                   .r = Positive(in.r, kOhms),
                   .storage = Positive(in.storage, rc ? kFarads : kHenries),
                   .v = Scaled(in.v, kSourceVolts)};
        const double t = Scaled(in.t, kSeconds);
        if (t < 0)
            Fail({"Invalid Entry",
                  "The time in \"" + in.t.field.label +
                      "\" is counted from the switching and cannot be negative. Enter 0 or a "
                      "positive time.",
                  in.t.field.name});

        const Term r = Term::Named("R", s.model.r);
        const Term storage = Term::Named(rc ? "C" : "L", s.model.storage);
        const Term tau = rc ? r * storage : storage / r;
        // The curve runs to 5τ, which must be a number too.
        if (!(tau.value() > 0) || !std::isfinite(5 * tau.value()))
            FailCompute(TooLargeOrUndefined("time constant",
                                            "Enter a resistance and a " +
                                                std::string(rc ? "capacitance" : "inductance") +
                                                " nearer to everyday values."),
                        in.r.field.name);
        vars.TimeConstant = tau.value();

        s.at = transient::At(s.model, t);
        s.points = transient::Curve(s.model, kCurvePoints);
        vars.Resistance = s.model.r;
        (rc ? vars.Capacitance : vars.Inductance) = s.model.storage;
        vars.SourceVoltage = s.model.v;
        vars.Time = t;
        vars.StorageVoltage = s.at.storageVoltage;
        vars.Current = s.at.current;
        vars.ResistorVoltage = s.at.resistorVoltage;
        vars.Energy = s.at.energy;
        vars.Fraction = s.at.fraction;
        bool finite = AllFinite(vars);
        for (const transient::State& p : s.points)
            finite = finite && std::isfinite(p.storageVoltage) && std::isfinite(p.current);
        if (!finite)
            FailCompute(TooLargeOrUndefined("voltages and the current",
                                            "Enter a smaller voltage or a larger resistance."),
                        in.v.field.name);

        Shown<TransientVars> shown;
        shown.vars = vars;
        // τ in the unit of cboT; its engineering form is in seconds.
        const Unit& timeUnit = kSeconds[static_cast<std::size_t>(in.t.position)];
        using R = TransientResult;
        shown.write(R::Tau, N(vars.TimeConstant * timeUnit.Shown()), vars.TimeConstant,
                    symbols::kSecond);
        shown.write(kTauUnitLabel, timeUnit.symbol);
        shown.write(R::StorageVoltage, N(vars.StorageVoltage), vars.StorageVoltage, symbols::kVolt);
        shown.write(R::Current, N(vars.Current), vars.Current, symbols::kAmpere);
        shown.write(R::ResistorVoltage, N(vars.ResistorVoltage), vars.ResistorVoltage,
                    symbols::kVolt);
        shown.write(R::Energy, N(vars.Energy), vars.Energy, symbols::kJoule);
        shown.write(R::Fraction, N(vars.Fraction * 100), vars.Fraction * 100, symbols::kPercent);
        WriteWorking(s, vars, tau, N(std::exp(-t / vars.TimeConstant)), shown.working);
        shown.draw(TransientPicture::Curve, std::move(s));
        return shown;
    });
}

} // namespace vora::calc
