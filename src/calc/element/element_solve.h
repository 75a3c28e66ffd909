// SPDX-License-Identifier: MIT
// What the resistor, capacitor and inductor pages can find: any element's
// value or the source, from the total or any result of the whole network or
// of one element.
#pragma once

#include "calc/element_network.h"
#include "calc/find_value.h"
#include "element_kind.h"

namespace vora::calc {

// The targets are the results the page's values give now (the total, and
// with a source every result of the network and of each element); the
// unknowns are the values of the network's elements and the source.
SolveProblem ElementProblem(const ElementKind& kind, const ElementClick& page);

} // namespace vora::calc
