// SPDX-License-Identifier: MIT
// What the AC page can find: R, L, C, the source or the supply frequency,
// from any result the page shows.
#pragma once

#include "ac_types.h"
#include "calc/find_value.h"

namespace vora::calc {

// The events that show a result (SolveTarget::event).
enum class AcEvent { Impedance, PowerFactor, Active, Reactive, Apparent, R, L, C };

// The targets are the results the inputs give now; the unknowns are the
// values of the elements in the circuit, the source when one is chosen, and
// the frequency when the circuit holds an inductor or a capacitor.
SolveProblem AcProblem(const AcInputs& page);

} // namespace vora::calc
