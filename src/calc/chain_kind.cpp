// SPDX-License-Identifier: MIT
#include "chain_kind.h"

namespace vora::calc {

const ChainKind& ChainKind::Resistor() {
    static const ChainKind kind{
        'R', "RT", "total resistance", "Total Resistance", "Resistor", "Ohm",
        {"Ohm", "Kohm", "Mohm"}, {1, 1000, 1000000}, {1, 0.001, 0.000001},
        "P", "W", "r"};
    return kind;
}

const ChainKind& ChainKind::Inductor() {
    static const ChainKind kind{
        'L', "LT", "total inductance", "Total Inductance", "Inductor", "H",
        {"H", "mH", "µH"}, {1, 0.001, 0.000001}, {1, 1000, 1000000},
        "W", "J", "l"};
    return kind;
}

} // namespace vora::calc
