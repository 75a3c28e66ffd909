// SPDX-License-Identifier: MIT
// The AC page's working: complex quantities written so that a student can
// follow them, impedances as a + jb and currents and voltages as magnitude
// and angle, with six significant digits; the figures that a label shows keep
// all the digits of the label. One short step per line: the working panel
// lays out each line it shows in full, so long lines make every click slower.
#pragma once

#include "ac_circuit.h"

#include <string>

namespace vora::calc::ac {

std::string Short(double x);  // six significant digits, in FormatNumber's style
std::string Rect(Complex z);  // "100 − j118.728"
std::string Polar(Complex z); // "155.228∠-49.8799°"

// One line per group of the tree, inner groups first, then the whole
// circuit's Z and |Z|.
void ImpedanceLines(const Circuit& c, Working& w);

// The source, and the current into or the voltage across the circuit.
void SourceLines(const Circuit& c, const Solution& s, network::SourceKind kind, Working& w);

// From the whole circuit down to the element `name`: the voltage across or
// the current through each part on the way, then the element's own current
// and voltage.
void PathLines(const Circuit& c, const Solution& s, const std::string& name, Working& w);

} // namespace vora::calc::ac
