// SPDX-License-Identifier: MIT
// Building the AC page's inputs and a typical stored circuit in tests.
#pragma once

#include "calc/ac/ac_types.h"

#include <cmath>
#include <string>

namespace vora::calc::testing {

// R = 100 ohm, L = 1 H, C = 10 µF at 314 rad/s.
inline constexpr double kR = 100;
inline constexpr double kXL = 314;
inline const double kC = 10 * 0.000001; // 10 in µF, as the page scales it
inline const double kXC = 1 / (kC * 314);

inline AcEntries Entries(const char* choices, std::string r = "100", std::string l = "1",
                         std::string c = "10", int cUnit = 1, int zUnit = 0) {
    AcEntries e;
    e.resistor = {{std::move(r), "txtR1", "Resistor Value"}, 0};
    e.inductor = {{std::move(l), "txtXL", "Inductor Value"}, 0};
    e.capacitor = {{std::move(c), "txtXC", "Capacitor Value"}, cUnit};
    e.choices = ChoicesFrom<3>(choices);
    e.impedanceUnit = zUnit;
    return e;
}

inline AcSource SourceOf(const char* choices, Source source, std::string text, int unit = 0) {
    AcSource s;
    s.choices = ChoicesFrom<3>(choices);
    s.source = source;
    s.value = {{std::move(text), "txtIV", "Current and Voltage Value"}, unit};
    return s;
}

// The values Total Impedance leaves for the standard circuit when every
// element has a connection and both reactances are computed.
inline AcVars Stored(double z) {
    AcVars v;
    v.Resistance = kR;
    v.Inductance = 1;
    v.Capacitance = kC;
    v.InductiveReactance = kXL;
    v.CapacitiveReactance = kXC;
    v.Impedance = z;
    return v;
}

inline double Zs() {
    return std::sqrt(kR * kR + (kXL - kXC) * (kXL - kXC));
}
inline double Zp() {
    return kR * kXL * kXC / std::sqrt(kXC * kXC * kXL * kXL + kR * kR * (kXC - kXL) * (kXC - kXL));
}

} // namespace vora::calc::testing
