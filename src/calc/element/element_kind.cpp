// SPDX-License-Identifier: MIT
#include "element_kind.h"

namespace vora::calc {

const ElementKind& ElementKind::Resistor() {
    static const ElementKind kind{'R',
                                  "Resistor",
                                  "resistors",
                                  "RT",
                                  "total resistance",
                                  "Total Resistance",
                                  "Ohm",
                                  {"Ohm", "Kohm", "Mohm"},
                                  {1, 1000, 1000000},
                                  {1, 0.001, 0.000001},
                                  false,
                                  true,
                                  "Vsrc",
                                  "Isrc",
                                  "ParallelPart",
                                  "SeriesPart",
                                  "I",
                                  "P",
                                  "A",
                                  "W",
                                  'r',
                                  "a short"};
    return kind;
}

const ElementKind& ElementKind::Capacitor() {
    static const ElementKind kind{'C',
                                  "Capacitor",
                                  "capacitors",
                                  "CT",
                                  "total capacitance",
                                  "Total Capacitance",
                                  "F",
                                  {"F", "µF", "nF"},
                                  {1, 0.000001, 0.000000001},
                                  {1, 1000000, 1000000000},
                                  true,
                                  false,
                                  "SourceVoltage",
                                  "SourceCharge",
                                  "ParallelBranch",
                                  "SeriesBranch",
                                  "Q",
                                  "U",
                                  "C",
                                  "J",
                                  'c',
                                  "an open gap"};
    return kind;
}

const ElementKind& ElementKind::Inductor() {
    static const ElementKind kind{'L',
                                  "Inductor",
                                  "inductors",
                                  "LT",
                                  "total inductance",
                                  "Total Inductance",
                                  "H",
                                  {"H", "mH", "µH"},
                                  {1, 0.001, 0.000001},
                                  {1, 1000, 1000000},
                                  false,
                                  true,
                                  "Vsrc",
                                  "Isrc",
                                  "ParallelPart",
                                  "SeriesPart",
                                  "I",
                                  "W",
                                  "A",
                                  "J",
                                  'l',
                                  "a short"};
    return kind;
}

} // namespace vora::calc
