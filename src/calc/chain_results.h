// SPDX-License-Identifier: MIT
// Double-clicks on the connection options of the resistor and inductor pages:
// the current, voltage and power (or stored energy) of one element from the
// source in txtIV and the values stored by the total and earlier clicks.
#pragma once

#include "chain_vars.h"
#include "element_network.h"
#include "outcome.h"

namespace vora::calc {

Outcome<ElementShown<ResistorVars>> ResistorResults(const ElementClick& click, ResistorVars vars);
Outcome<ElementShown<InductorVars>> InductorResults(const ElementClick& click, InductorVars vars);

} // namespace vora::calc
