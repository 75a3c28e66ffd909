// SPDX-License-Identifier: MIT
// Building the AC page's inputs in tests.
#pragma once

#include "calc/ac/ac_types.h"
#include "shortest_text.h"

#include <array>
#include <string>

namespace vora::calc::testing {

// The page's inputs: element texts in the units at `units` (positions of
// cboR, cboXL, cboXC), the connections as "SPN" text, and the source.
inline AcInputs Inputs(const char* choices, std::array<std::string, 3> values,
                       Source source = Source::None, std::string value = {},
                       std::array<int, 3> units = {0, 0, 0}) {
    AcInputs in;
    const char* names[3] = {"txtR1", "txtXL", "txtXC"};
    const char* labels[3] = {"Resistor Value", "Inductor Value", "Capacitor Value"};
    for (std::size_t k = 0; k < 3; ++k)
        in.elements[k] = {{std::move(values[k]), names[k], labels[k]}, units[k]};
    in.choices = ChoicesFrom<3>(choices);
    in.source = source;
    in.value = {{std::move(value), "txtIV", "Current and Voltage Value"},
                source == Source::Voltage ? 3 : 0};
    return in;
}

// The circuit: R = 100 ohm, L = 0.5 H, C = 47 µF.
inline AcInputs Standard(const char* choices, Source source = Source::None,
                         std::string value = {}) {
    return Inputs(choices, {"100", "0.5", "47"}, source, std::move(value), {0, 0, 1});
}

// L = 10.14239928597509 H and C = 1 µF have exactly equal reactances.
inline constexpr const char* kResonantL = "10.14239928597509";

// The label an AC event shows its result in (|Z|, the power factor, a
// power, the element's current) and its second one (lagging or leading, the
// element's voltage); empty where the event writes none.
inline std::string Main(const AcShown& s) {
    for (AcLabel l : {AcLabel::Impedance, AcLabel::PowerFactor, AcLabel::Active, AcLabel::Reactive,
                      AcLabel::Apparent, AcLabel::Current})
        if (const LabelWrite* w = s.label(l)) return w->text;
    return {};
}
inline std::string Second(const AcShown& s) {
    for (AcLabel l : {AcLabel::Lagging, AcLabel::Voltage})
        if (const LabelWrite* w = s.label(l)) return w->text;
    return {};
}
// The value of a further result, where the event shows one.
inline std::optional<double> ValueOf(const AcShown& s, AcLabel l) {
    const LabelWrite* w = s.label(l);
    return w && !w->text.empty() ? w->value : std::nullopt;
}
inline const Sketch& SketchOf(const AcShown& s) {
    return s.picture<SketchPicture>(AcPicture::Sketch)->sketch;
}

} // namespace vora::calc::testing
