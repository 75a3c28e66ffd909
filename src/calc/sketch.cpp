// SPDX-License-Identifier: MIT
#include "sketch.h"

#include <utility>

namespace vora::calc {

Sketch Element(std::string name) {
    return {Sketch::Kind::Element, std::move(name), {}};
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

double Combine(const Sketch& s, Combination how,
               const std::function<double(const std::string&)>& value) {
    if (s.kind == Sketch::Kind::Element) return value(s.name);
    if (s.kind == Sketch::Kind::None) return 0;
    const bool sum = (s.kind == Sketch::Kind::Series) == (how == Combination::AddInSeries);
    double total = 0;
    for (const Sketch& part : s.parts) {
        const double v = Combine(part, how, value);
        total += sum ? v : 1 / v;
    }
    return sum ? total : 1 / total;
}

} // namespace vora::calc
