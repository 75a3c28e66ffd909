// SPDX-License-Identifier: MIT
// Stored values of the single-phase AC page.
//
// Only "Total Impedance" reads the element fields; every other event of the
// page works from what earlier events left here, so results depend on the
// order of the user's clicks.
#pragma once

#include <array>
#include <utility>

namespace vora::calc {

// Every reactance of the page is taken at this one angular frequency, in rad/s.
inline constexpr double AngularFrequency = 314;

struct AcVars {
    double Resistance = 0;  // ohm
    double Inductance = 0;  // henry
    double Capacitance = 0; // farad
    double Impedance = 0;   // ohm
    double InductiveReactance = 0;
    double CapacitiveReactance = 0;
    double ParallelLC = 0;
    double TotalVoltage = 0;
    double TotalCurrent = 0;
    double ResistorCurrent = 0, ResistorVoltage = 0;
    double InductorCurrent = 0, InductorVoltage = 0;
    double CapacitorCurrent = 0, CapacitorVoltage = 0;
    double ActivePower = 0;
    double ReactivePower = 0; // also what "Apparent Power" shows
    double PowerFactor = 0;

    bool operator==(const AcVars&) const = default;

    using Member = double AcVars::*;
    static constexpr std::array<std::pair<const char*, Member>, 18> kFields{{
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
        {"PowerFactor", &AcVars::PowerFactor},
    }};
};

} // namespace vora::calc
