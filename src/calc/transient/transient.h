// SPDX-License-Identifier: MIT
// A resistor with a capacitor or an inductor, switched at t = 0: charging
// from rest by a source of V, or discharging from V through the resistor
// alone. One model gives every number and every point of the curve.
//
// Signs follow the charging direction: the current that flows into the
// capacitor while it charges is positive, so a discharging capacitor's
// current is negative; an inductor's current keeps its direction while it
// decays, and the voltage across it turns negative.
#pragma once

#include <vector>

namespace vora::calc::transient {

enum class Circuit { RC, RL };
enum class Step { Charge, Discharge };

struct Inputs {
    Circuit circuit = Circuit::RC;
    Step step = Step::Charge;
    double r = 0;       // ohm, > 0
    double storage = 0; // farad (RC) or henry (RL), > 0
    double v = 0;       // volt: the source while charging, the start while discharging
};

// The circuit at one time.
struct State {
    double t = 0;               // s
    double storageVoltage = 0;  // across the capacitor or the inductor, V
    double current = 0;         // A
    double resistorVoltage = 0; // V
    double energy = 0;          // J, stored in the capacitor or the inductor
    double fraction = 0;        // of the change from start to end completed, 0 to 1
};

// τ = R·C or L/R, in seconds.
double TimeConstant(const Inputs& in);

// The state at `t` >= 0; far beyond 5τ the exponential underflows to zero
// and the state is the final one.
State At(const Inputs& in, double t);

// The time at which `fraction` (0 to 1) of the change is completed: -τ·ln(1 - fraction).
double TimeToReach(const Inputs& in, double fraction);

// `points` states evenly spaced from 0 to 5τ, for the curve.
std::vector<State> Curve(const Inputs& in, int points);

} // namespace vora::calc::transient
