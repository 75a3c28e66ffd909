// SPDX-License-Identifier: MIT
// ngspice as the independent oracle of the AC page: many small circuits in
// one batch run, an AC analysis at one frequency, and every element's
// current and voltage read back as complex phasors.
#pragma once

#include "calc/sketch.h"

#include <complex>
#include <map>
#include <string>
#include <vector>

namespace vora::testing {

using Phasor = std::complex<double>;

struct SpiceCircuit {
    // Elements named R, L and C: SPICE takes an element's kind from the first
    // letter of its name, and so does this helper.
    calc::Sketch sketch;
    std::map<std::string, double> values; // ohm, henry, farad
    bool voltageSource = true;            // otherwise a current source into the circuit
    double source = 1;                    // volts or amperes, at phase 0
};

struct SpiceFlow {
    Phasor current; // through the element, from the source's side
    Phasor voltage; // across it, in the same direction
};

struct SpiceResult {
    Phasor voltage; // across the circuit
    Phasor current; // into it
    std::map<std::string, SpiceFlow> elements;
};

// Runs `ngspice -b` once for all circuits at the angular frequency `omega`
// (rad/s). Throws std::runtime_error with ngspice's output when it fails.
std::vector<SpiceResult> RunAc(const std::vector<SpiceCircuit>& circuits, double omega);

} // namespace vora::testing
