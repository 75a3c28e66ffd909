// SPDX-License-Identifier: MIT
// The shape of a network: which elements are in series and which in
// parallel. The pages draw it beside the working.
#pragma once

#include "unit_text.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vora::calc {

// The schematic symbol a sketch draws for an element.
enum class ElementSymbol { Resistor, Capacitor, Inductor };

struct Sketch {
    enum class Kind { None, Element, Series, Parallel };
    Kind kind = Kind::None;
    std::string name;                               // element name, for Kind::Element
    std::vector<Sketch> parts;                      // for Series and Parallel
    ElementSymbol symbol = ElementSymbol::Resistor; // for Kind::Element

    bool empty() const { return kind == Kind::None; }
    bool operator==(const Sketch&) const = default;
};

Sketch Element(std::string name, ElementSymbol symbol);
Sketch Series(std::vector<Sketch> parts);
Sketch Parallel(std::vector<Sketch> parts);

// "R1 + R2 ∥ R3": series with "+", parallel with "∥", brackets where needed.
std::string Describe(const Sketch& sketch);

// What a sketch writes beside its symbols, as the last result read them:
// each element's value with its unit, and the source with its value.
struct SketchValues {
    enum class Source { None, DirectVoltage, DirectCurrent, Alternating };
    std::map<std::string, std::string> elements; // "R2" -> "20 Ω"
    Source source = Source::None;                // None: the bare terminals
    std::string sourceText;                      // "V = 12 V"

    bool operator==(const SketchValues&) const = default;
};

// The number as the user typed it, tidied for a drawing ("+.5 " -> "0.5");
// empty when the text is not a number.
std::string NumberAsTyped(std::string_view typed);

// "20 Ω": the typed number with the SI symbol of its unit; empty when the
// text is not a number.
std::string ValueWithUnit(std::string_view typed, UnitQuantity quantity, int power);

} // namespace vora::calc
