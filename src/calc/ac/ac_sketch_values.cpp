// SPDX-License-Identifier: MIT
#include "ac_sketch_values.h"

#include "ac_circuit.h"
#include "ac_frequency.h"
#include "calc/units.h"
#include "scaled_read.h"

namespace vora::calc {

namespace {

int PowerAt(Units units, int position) {
    return InList(position, units.size()) ? units[static_cast<std::size_t>(position)].power : 0;
}

} // namespace

SketchValues AcSketchValues(const AcInputs& in) {
    static const std::array<Units, 3> kUnits{kOhmsCapital, kHenries, kFarads};
    static const std::array<UnitQuantity, 3> kQuantities{
        UnitQuantity::Resistance, UnitQuantity::Inductance, UnitQuantity::Capacitance};
    SketchValues v;
    for (std::size_t k = 0; k < 3; ++k) {
        const UnitField& entry = in.elements[k];
        std::string value =
            ValueWithUnit(entry.field.text, kQuantities[k], PowerAt(kUnits[k], entry.position));
        if (!value.empty()) v.elements[ac::kNames[k]] = std::move(value);
    }
    if (in.source == Source::None) return v;
    const bool voltage = in.source == Source::Voltage;
    // A unit of the other quantity leaves the number unscaled, as the events read it.
    const int power = PowerAt(voltage ? kVolts : kAmperes,
                              in.value.position - (voltage ? kVoltageBase : kCurrentBase));
    const std::string value = ValueWithUnit(
        in.value.field.text, voltage ? UnitQuantity::Voltage : UnitQuantity::Current, power);
    if (value.empty()) return v;
    v.source = SketchValues::Source::Alternating;
    v.sourceText = std::string(voltage ? "V" : "I") + " = " + value + (in.peak ? " peak" : " rms");
    const std::string f = NumberAsTyped(in.frequency.field.text);
    const int unit = in.frequency.position;
    if (!f.empty() && unit >= 0 && static_cast<std::size_t>(unit) < ac::kFrequencyUnits.size())
        v.sourceText += ", " + f + " " + ac::kFrequencyUnits[static_cast<std::size_t>(unit)];
    return v;
}

} // namespace vora::calc
