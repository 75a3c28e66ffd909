// SPDX-License-Identifier: MIT
// What the transient page can find: R, C or L, the voltage or the time, from
// τ or any value of the circuit at the time.
#pragma once

#include "calc/find_value.h"
#include "transient_event.h"

namespace vora::calc {

SolveProblem TransientProblem(const TransientEntries& page);

} // namespace vora::calc
