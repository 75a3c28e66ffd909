// SPDX-License-Identifier: MIT
// Reading an AC page entry together with its unit list.
#pragma once

#include "calc/fields.h"
#include "calc/units.h"

#include <vector>

namespace vora::calc {

using Multipliers = std::vector<double>;

// The source list holds the current units at positions 0 to 2 and the
// voltage units at 3 to 5, both in the order unit, milli, kilo.
inline const Multipliers kSourceUnits = Factors(kAmperes); // and of kVolts
inline constexpr int kCurrentBase = 0;
inline constexpr int kVoltageBase = 3;

// Step 1 reads the field's leading number. Step 2: when position - base is a
// position of the multipliers, the whole field must be a number and is scaled
// by that multiplier; otherwise (a typed unit, or a unit of the other
// quantity) step 1's value stays, unscaled. Raises "Invalid Entry" naming
// the field when a read fails or the scaled value is too large.
double ScaledRead(const Field& field, int position, int base, const Multipliers& multipliers);

} // namespace vora::calc
