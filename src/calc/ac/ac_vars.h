// SPDX-License-Identifier: MIT
// Stored values of the single-phase AC page.
//
// Every event reads the fields it needs and recomputes the circuit, so no
// result depends on an earlier click; these values only record what the last
// events found. A click writes what it computed for the circuit as connected
// and leaves the rest as they were: the values of an element that is not in
// the circuit, and any quantity that is infinite there (the reactance of an
// open capacitor, an L ∥ C group at resonance).
//
// Currents and voltages are magnitudes (rms values) in amperes and volts.
#pragma once

#include "calc/stored_values.h"

#include <array>
#include <utility>

namespace vora::calc {

// The angular frequency the page opens with, in rad/s.
inline constexpr double AngularFrequency = 314;

struct AcVars {
    double Resistance = 0;          // R, ohm, as read
    double Inductance = 0;          // L, henry, as read
    double Capacitance = 0;         // C, farad, as read
    double Impedance = 0;           // |Z| of the whole circuit, ohm
    double InductiveReactance = 0;  // XL = L · ω, ohm
    double CapacitiveReactance = 0; // XC = 1 / (C · ω), ohm
    // The signed reactance of the inductor and capacitor where they are
    // connected in parallel with each other: XL · XC / (XC − XL), positive
    // when the pair is inductive.
    double ParallelLC = 0;
    double TotalVoltage = 0; // across the circuit
    double TotalCurrent = 0; // into the circuit
    double ResistorCurrent = 0, ResistorVoltage = 0;
    double InductorCurrent = 0, InductorVoltage = 0;
    double CapacitorCurrent = 0, CapacitorVoltage = 0;
    double ActivePower = 0; // P = |V| · |I| · cos φ, watt
    double ReactivePower = 0; // Q = |V| · |I| · sin φ, VAR: positive inductive, negative capacitive
    double ApparentPower = 0;     // S = |V| · |I|, VA
    double PowerFactor = 0;       // cos φ
    double ResonantFrequency = 0; // f0 = 1 / (2π · √(L · C)), Hz
    double QualityFactor = 0;     // Q of the resonance, where the circuit has one
    double CurrentPhase = 0;      // angle of the source current against the voltage, degrees

    bool operator==(const AcVars&) const = default;

    static constexpr auto kStored = std::to_array<StoredValue<AcVars>>({
        {"Resistance", &AcVars::Resistance},
        {"Inductance", &AcVars::Inductance},
        {"Capacitance", &AcVars::Capacitance},
        {"Impedance", &AcVars::Impedance},
        {"InductiveReactance", &AcVars::InductiveReactance},
        {"CapacitiveReactance", &AcVars::CapacitiveReactance},
        {"ParallelLC", &AcVars::ParallelLC},
        {"TotalVoltage", &AcVars::TotalVoltage},
        {"TotalCurrent", &AcVars::TotalCurrent},
        {"ResistorCurrent", &AcVars::ResistorCurrent},
        {"ResistorVoltage", &AcVars::ResistorVoltage},
        {"InductorCurrent", &AcVars::InductorCurrent},
        {"InductorVoltage", &AcVars::InductorVoltage},
        {"CapacitorCurrent", &AcVars::CapacitorCurrent},
        {"CapacitorVoltage", &AcVars::CapacitorVoltage},
        {"ActivePower", &AcVars::ActivePower},
        {"ReactivePower", &AcVars::ReactivePower},
        {"ApparentPower", &AcVars::ApparentPower},
        {"PowerFactor", &AcVars::PowerFactor},
        {"ResonantFrequency", &AcVars::ResonantFrequency},
        {"QualityFactor", &AcVars::QualityFactor},
        {"CurrentPhase", &AcVars::CurrentPhase},
    });
};
static_assert(DescribesEveryMember<AcVars>());

} // namespace vora::calc
