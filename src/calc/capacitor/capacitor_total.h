// SPDX-License-Identifier: MIT
// "Total Capacitance": the total of four capacitors from their values, units
// and series/parallel choices, by the page's decision table.
#pragma once

#include "calc/element_network.h"
#include "calc/outcome.h"
#include "capacitor_vars.h"

namespace vora::calc {

Outcome<TotalShown<CapacitorVars>> TotalCapacitance(const NetworkEntries& entries,
                                                    CapacitorVars vars);

} // namespace vora::calc
