// SPDX-License-Identifier: MIT
#include "transient.h"

#include <cmath>

namespace vora::calc::transient {

double TimeConstant(const Inputs& in) {
    return in.circuit == Circuit::RC ? in.r * in.storage : in.storage / in.r;
}

State At(const Inputs& in, double t) {
    const double tau = TimeConstant(in);
    const double decay = std::exp(-t / tau); // what is left of the change still to come
    const double rest = 1 - decay;
    State s{.t = t, .fraction = rest};
    const double flow = in.v / in.r; // the current the resistor alone would carry at V
    if (in.circuit == Circuit::RC) {
        // The capacitor's voltage moves from its start to its end; the
        // resistor takes the rest of the loop's voltage.
        s.storageVoltage = in.step == Step::Charge ? in.v * rest : in.v * decay;
        s.current = in.step == Step::Charge ? flow * decay : -flow * decay;
        s.energy = in.storage * s.storageVoltage * s.storageVoltage / 2;
    } else {
        s.current = in.step == Step::Charge ? flow * rest : flow * decay;
        s.storageVoltage = in.step == Step::Charge ? in.v * decay : -in.v * decay;
        s.energy = in.storage * s.current * s.current / 2;
    }
    s.resistorVoltage = s.current * in.r;
    return s;
}

double TimeToReach(const Inputs& in, double fraction) {
    return -TimeConstant(in) * std::log1p(-fraction);
}

std::vector<State> Curve(const Inputs& in, int points) {
    std::vector<State> curve;
    const double end = 5 * TimeConstant(in);
    for (int i = 0; i < points; ++i)
        curve.push_back(At(in, end * i / (points > 1 ? points - 1 : 1)));
    return curve;
}

} // namespace vora::calc::transient
