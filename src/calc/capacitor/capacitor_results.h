// SPDX-License-Identifier: MIT
// Double-clicks on the connection options of the capacitor page: the charge,
// voltage and stored energy of one capacitor from the source in txtIV and the
// values stored by the last total and earlier double-clicks.
#pragma once

#include "calc/element_network.h"
#include "calc/outcome.h"
#include "capacitor_vars.h"

namespace vora::calc {

Outcome<ElementShown<CapacitorVars>> CapacitorResults(const ElementClick& click,
                                                      CapacitorVars vars);

} // namespace vora::calc
