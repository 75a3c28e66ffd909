// SPDX-License-Identifier: MIT
// Double-clicks on the six connection options of the AC page: the current
// through and the voltage across one element, from the source in txtIV (with
// its unit) and the circuit that earlier clicks stored.
#pragma once

#include "ac_types.h"

namespace vora::calc {

// `option` is the double-clicked option of `element`, already selected in
// source.choices. The caller has checked that the source field is not empty.
Outcome<AcElementShown> ElementResults(AcElement element, Choice option, const AcSource& source,
                                       AcVars vars);

} // namespace vora::calc
