// SPDX-License-Identifier: MIT
// "Total Resistance" and "Total Inductance": the total of four resistors or
// four inductors from their values, units and series/parallel choices.
#pragma once

#include "chain_vars.h"
#include "element_network.h"
#include "outcome.h"

namespace vora::calc {

Outcome<TotalShown<ResistorVars>> TotalResistance(const NetworkEntries& entries, ResistorVars vars);
Outcome<TotalShown<InductorVars>> TotalInductance(const NetworkEntries& entries, InductorVars vars);

} // namespace vora::calc
