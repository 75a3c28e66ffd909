// SPDX-License-Identifier: MIT
// The supply frequency of the AC page, and what the circuit does at it:
// the reactances, the resonance of an L-C circuit and the source current.
#pragma once

#include "ac_circuit.h"

#include <array>
#include <optional>

namespace vora::calc::ac {

// cboF: a frequency in hertz or kilohertz, or an angular frequency.
inline const std::array<const char*, 3> kFrequencyUnits{"Hz", "kHz", "rad/s"};
inline constexpr int kRadPerSecond = 2;

// ω in rad/s as a term of the working: the literal number when it was given
// in rad/s (so "XL = L · 314"), otherwise ω, with the line ω = 2π · f said.
// Raises "Invalid Entry" naming the field unless it holds a positive number.
Term ReadOmega(const UnitField& frequency, Working& w);

// f0 = 1 / (2π · √(L · C)), ω0 and the Q factor, for a circuit with L and C
// (both nonzero); the working says where the supply stands against f0.
// Q is given where the resistor damps the resonance in the usual way:
// R + L + C and (R + L) ∥ C (Q = √(L/C) / R), and R ∥ L ∥ C (Q = R / √(L/C)).
std::optional<AcResonance> Resonance(const Circuit& c, AcVars& vars, Working& w);

// XL and XC of the elements in the circuit, as results.
AcReactances Reactances(const Circuit& c, const AcVars& vars);

// The source current: |I| and its angle against the source voltage.
AcSourceCurrent SourceCurrent(const Solution& s, AcVars& vars, Working& w);

// "Values are rms; the peak values are √2 times" lines, with a given peak
// source turned into its rms value first.
double RmsOf(double value, bool peak, bool voltage, Working& w);

} // namespace vora::calc::ac
