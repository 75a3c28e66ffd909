// SPDX-License-Identifier: MIT
// The values an element page's sketch writes beside its symbols.
#pragma once

#include "calc/element_network.h"
#include "calc/sketch.h"

namespace vora::calc {

struct ElementKind;

// Each element's value as typed with its unit ("R2" -> "4.7 kΩ") and, when a
// source is chosen and holds a number, the source ("V = 12 V", "Q = 5 µC").
SketchValues ElementSketchValues(const ElementKind& kind, const ElementClick& click);

} // namespace vora::calc
