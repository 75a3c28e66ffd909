// SPDX-License-Identifier: MIT
// The network the user describes on an element page, as one series/parallel
// tree that the totals, the per-element results, the working and the sketch
// all come from.
//
// The reading: take the leading run of elements that have a connection
// choice (an element without one ends the run); each element's choice says
// how it joins everything after it, Series in series with the rest, Parallel
// in parallel with the rest; the last element's own choice does not matter.
// So S P P is 1 + 2 ∥ 3 and P S S is 1 ∥ (2 + 3). On the resistor and
// inductor pages P P P S is the one exception the pages have always made:
// 1 ∥ 2 ∥ 3 in series with 4.
//
// The solver combines "impedances" that add in series. The pages hand it
// each element's own quantity X (R, L or C): resistors and inductors as
// drawn; capacitors, whose values add in parallel, on the dual tree (series
// and parallel swapped), where the solver's current is the voltage and its
// voltage the charge. Every formula then stays exact: C1 + C2 for a parallel
// pair, 1 / (1 / C1 + 1 / C2) for a series one, and a zero capacitance is a
// zero X like a zero resistance, with no division by it.
#pragma once

#include "calc/network.h"
#include "calc/sketch.h"
#include "element_kind.h"

#include <string>

namespace vora::calc {

// How many leading elements have a connection choice: the network's size.
int NetworkLength(const Choices<4>& choices);

// The network as drawn; empty when element 1 has no choice.
Sketch NetworkSketch(const Choices<4>& choices, const ElementKind& kind);

// The same shape in the law of X: a Series node's parts add, a Parallel
// node's add reciprocals (the drawn tree, or its dual for capacitors).
Sketch QuantityTree(const Sketch& drawn, const ElementKind& kind);

// "R1 + R2 ∥ (R3 + R4)"; on the capacitor page series groups are written
// ser(C1, C2), so that "+" never reads as adding capacitances.
std::string DescribeNetwork(const Sketch& drawn, const ElementKind& kind);

// A node as an operand in the working: its name, or its description in
// brackets where it needs them.
std::string Operand(const Sketch& drawn, const ElementKind& kind);

} // namespace vora::calc
