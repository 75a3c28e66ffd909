// SPDX-License-Identifier: MIT
// The values the AC page's sketches write beside their symbols.
#pragma once

#include "ac_types.h"
#include "calc/sketch.h"

namespace vora::calc {

// R, L and C as typed with their units, and, when a source is chosen and
// holds a number, "V = 230 V rms, 50 Hz".
SketchValues AcSketchValues(const AcInputs& in);

} // namespace vora::calc
