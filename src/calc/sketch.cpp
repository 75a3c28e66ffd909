// SPDX-License-Identifier: MIT
#include "sketch.h"

#include "number.h"

#include <utility>

namespace vora::calc {

Sketch Element(std::string name, ElementSymbol symbol) {
    return {Sketch::Kind::Element, std::move(name), {}, symbol};
}
Sketch Series(std::vector<Sketch> parts) {
    return {Sketch::Kind::Series, {}, std::move(parts)};
}
Sketch Parallel(std::vector<Sketch> parts) {
    return {Sketch::Kind::Parallel, {}, std::move(parts)};
}

std::string Describe(const Sketch& s) {
    switch (s.kind) {
    case Sketch::Kind::None:
        return {};
    case Sketch::Kind::Element:
        return s.name;
    default:
        break;
    }
    const bool series = s.kind == Sketch::Kind::Series;
    std::string text;
    for (const Sketch& part : s.parts) {
        if (!text.empty()) text += series ? " + " : " ∥ ";
        // A series group inside a parallel one needs brackets; "∥" binds
        // tighter than "+", so the other way round does not.
        const bool brackets = !series && part.kind == Sketch::Kind::Series;
        text += brackets ? "(" + Describe(part) + ")" : Describe(part);
    }
    return text;
}

std::string NumberAsTyped(std::string_view typed) {
    if (!ParseStrict(typed)) return {};
    const auto first = typed.find_first_not_of(" \t");
    std::string text(typed.substr(first, typed.find_last_not_of(" \t") - first + 1));
    if (text.starts_with('+')) text.erase(0, 1);
    // A bare decimal point reads oddly on paper: ".5" is 0.5, "5." is 5.
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    if (text.compare(sign, 1, ".") == 0) text.insert(sign, "0");
    const std::size_t point = text.find('.');
    if (point != std::string::npos &&
        (point + 1 == text.size() || text[point + 1] == 'e' || text[point + 1] == 'E'))
        text.erase(point, 1);
    return text;
}

std::string ValueWithUnit(std::string_view typed, UnitQuantity quantity, int power) {
    const std::string number = NumberAsTyped(typed);
    return number.empty() ? number : number + " " + UnitSymbol(quantity, power);
}

} // namespace vora::calc
