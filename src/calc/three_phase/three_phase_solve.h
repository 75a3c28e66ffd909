// SPDX-License-Identifier: MIT
// What the three-phase pages can find: the current, the voltage or the
// impedance entered, from any result of the output column.
#pragma once

#include "calc/find_value.h"
#include "three_phase.h"

namespace vora::calc {

enum class Conversion { LineToPhase, PhaseToLine };

// The name of the result under `caption`, as the list of targets gives it.
std::string TargetName(Conversion conversion, Caption caption);

// The targets are the output column's results the entries give now; the
// unknowns are the three entries.
SolveProblem ThreePhaseProblem(Conversion conversion, const ThreePhaseEntries& page);

} // namespace vora::calc
