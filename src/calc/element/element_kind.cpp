// SPDX-License-Identifier: MIT
#include "element_kind.h"

#include "calc/units.h"

namespace vora::calc {

const ElementKind& ElementKind::Resistor() {
    static const ElementKind kind{.letter = 'R',
                                  .element = "Resistor",
                                  .plural = "resistors",
                                  .total = "RT",
                                  .quantity = "total resistance",
                                  .units = kOhms,
                                  .readFactor = Factors(kOhms),
                                  .showFactor = ShownFactors(kOhms),
                                  .capacitive = false,
                                  .lastOfFourAfterGroup = true,
                                  .sourceVoltage = "Vsrc",
                                  .sourceFlow = "Isrc",
                                  .parallelPart = "ParallelPart",
                                  .seriesPart = "SeriesPart",
                                  .flow = "I",
                                  .third = "P",
                                  .flowUnit = "A",
                                  .thirdUnit = "W",
                                  .resultLetter = 'r',
                                  .zeroIs = "a short",
                                  .sourceFlowUnits = kSourceAmperes,
                                  .symbol = ElementSymbol::Resistor};
    return kind;
}

const ElementKind& ElementKind::Capacitor() {
    static const ElementKind kind{.letter = 'C',
                                  .element = "Capacitor",
                                  .plural = "capacitors",
                                  .total = "CT",
                                  .quantity = "total capacitance",
                                  .units = kFarads,
                                  .readFactor = Factors(kFarads),
                                  .showFactor = ShownFactors(kFarads),
                                  .capacitive = true,
                                  .lastOfFourAfterGroup = false,
                                  .sourceVoltage = "SourceVoltage",
                                  .sourceFlow = "SourceCharge",
                                  .parallelPart = "ParallelBranch",
                                  .seriesPart = "SeriesBranch",
                                  .flow = "Q",
                                  .third = "U",
                                  .flowUnit = "C",
                                  .thirdUnit = "J",
                                  .resultLetter = 'c',
                                  .zeroIs = "an open gap",
                                  .sourceFlowUnits = kCoulombs,
                                  .symbol = ElementSymbol::Capacitor};
    return kind;
}

const ElementKind& ElementKind::Inductor() {
    static const ElementKind kind{.letter = 'L',
                                  .element = "Inductor",
                                  .plural = "inductors",
                                  .total = "LT",
                                  .quantity = "total inductance",
                                  .units = kHenries,
                                  .readFactor = Factors(kHenries),
                                  .showFactor = ShownFactors(kHenries),
                                  .capacitive = false,
                                  .lastOfFourAfterGroup = true,
                                  .sourceVoltage = "Vsrc",
                                  .sourceFlow = "Isrc",
                                  .parallelPart = "ParallelPart",
                                  .seriesPart = "SeriesPart",
                                  .flow = "I",
                                  .third = "W",
                                  .flowUnit = "A",
                                  .thirdUnit = "J",
                                  .resultLetter = 'l',
                                  .zeroIs = "a short",
                                  .sourceFlowUnits = kSourceAmperes,
                                  .symbol = ElementSymbol::Inductor};
    return kind;
}

} // namespace vora::calc
