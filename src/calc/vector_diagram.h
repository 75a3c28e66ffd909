// SPDX-License-Identifier: MIT
// Arrows in the complex plane, as the phasor diagrams and the power triangle
// show them. The computation that found the results builds the diagram from
// its own solution, in volts, amperes and volt-amperes; a view only scales
// and draws it, so the picture can never disagree with the numbers.
#pragma once

#include <complex>
#include <optional>
#include <string>
#include <vector>

namespace vora::calc {

struct Arrow {
    // Each kind is drawn to its own scale: volts and amperes share no unit.
    enum class Kind { Voltage, Current, Power };
    Kind kind = Kind::Voltage;
    std::complex<double> from, to;
    std::string label;   // "VR = 61.88 V"
    bool bold = false;   // the source's own quantities
    bool dashed = false; // line voltages over the phases they join

    bool operator==(const Arrow&) const = default;
};

// An arc at the origin, counter-clockwise from `start` through `sweep`
// (radians; a negative sweep turns clockwise).
struct AngleMark {
    double start = 0;
    double sweep = 0;
    std::string label; // "φ = 36.87°"

    bool operator==(const AngleMark&) const = default;
};

struct VectorDiagram {
    std::vector<Arrow> arrows;
    std::optional<AngleMark> angle;
    std::string note; // why a computed diagram has no arrows

    bool empty() const { return arrows.empty(); }
    bool operator==(const VectorDiagram&) const = default;
};

// "36.87°": degrees with two decimals, a full stop under every locale.
std::string Degrees(double radians);

// One line per arrow, "VR = 61.88 V at -36.87°", for screen readers.
std::string Describe(const VectorDiagram& diagram);

} // namespace vora::calc
