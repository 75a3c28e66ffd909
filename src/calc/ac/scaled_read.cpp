// SPDX-License-Identifier: MIT
#include "scaled_read.h"

#include <cmath>

namespace vora::calc {

double ScaledRead(const Field& field, int position, int base, const Multipliers& multipliers) {
    double value = ReadLeading(field);
    const int k = position - base;
    if (InList(k, multipliers.size()))
        value = TimesUnit(ReadStrict(field), multipliers[static_cast<std::size_t>(k)], field);
    return value;
}

} // namespace vora::calc
