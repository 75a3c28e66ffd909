// SPDX-License-Identifier: MIT
// "Power Factor", "Active Power", "Reactive Power" and "Apparent Power":
// figures from the circuit that earlier clicks stored, and the source value
// typed in txtIV (read without its unit).
#pragma once

#include "ac_types.h"

namespace vora::calc {

Outcome<PowerFactorShown> PowerFactor(const AcSource& source, AcVars vars);
Outcome<PowerShown> ActivePower(const AcSource& source, AcVars vars);
Outcome<PowerShown> ReactivePower(const AcSource& source, AcVars vars);
Outcome<PowerShown> ApparentPower(const AcSource& source, AcVars vars);

} // namespace vora::calc
