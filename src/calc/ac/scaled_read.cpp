// SPDX-License-Identifier: MIT
#include "scaled_read.h"

#include <cmath>

namespace vora::calc {

double ScaledRead(const Field& field, int position, int base, const Multipliers& multipliers) {
    double value = ReadLeading(field);
    const int k = position - base;
    if (InList(k, multipliers.size())) {
        value = ReadStrict(field) * multipliers[static_cast<std::size_t>(k)];
        if (!std::isfinite(value))
            Fail({"Invalid Entry",
                  "The number in \"" + field.label +
                      "\" is too large in this unit. Enter a smaller number or choose a smaller "
                      "unit.",
                  field.name});
    }
    return value;
}

} // namespace vora::calc
