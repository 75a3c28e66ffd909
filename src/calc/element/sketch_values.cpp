// SPDX-License-Identifier: MIT
#include "sketch_values.h"

#include "calc/units.h"
#include "element_kind.h"

#include <cmath>

namespace vora::calc {

SketchValues ElementSketchValues(const ElementKind& kind, const ElementClick& click) {
    SketchValues v;
    const UnitQuantity quantity =
        kind.symbol == ElementSymbol::Capacitor  ? UnitQuantity::Capacitance
        : kind.symbol == ElementSymbol::Inductor ? UnitQuantity::Inductance
                                                 : UnitQuantity::Resistance;
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const int pos = click.entries.units[i];
        // The element lists hold whole powers of ten of the base unit.
        const int power = InList(pos, kind.readFactor.size())
                              ? static_cast<int>(std::lround(
                                    std::log10(kind.readFactor[static_cast<std::size_t>(pos)])))
                              : 0;
        std::string value = ValueWithUnit(click.entries.values[i].text, quantity, power);
        if (!value.empty()) v.elements[kind.Element(k)] = std::move(value);
    }
    if (click.source == Source::None) return v;
    const bool voltage = click.source == Source::Voltage;
    const Units units = voltage ? kSourceVolts : kind.sourceFlowUnits;
    const int power = InList(click.sourceUnit, units.size())
                          ? units[static_cast<std::size_t>(click.sourceUnit)].power
                          : 0;
    // The capacitor page's other source is a charge.
    const UnitQuantity sourceQuantity = voltage           ? UnitQuantity::Voltage
                                        : kind.capacitive ? UnitQuantity::Charge
                                                          : UnitQuantity::Current;
    const std::string value = ValueWithUnit(click.sourceField.text, sourceQuantity, power);
    if (value.empty()) return v;
    v.source = voltage ? SketchValues::Source::DirectVoltage : SketchValues::Source::DirectCurrent;
    v.sourceText = std::string(voltage ? "V" : kind.capacitive ? "Q" : "I") + " = " + value;
    return v;
}

} // namespace vora::calc
