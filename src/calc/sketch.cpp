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

} // namespace vora::calc
