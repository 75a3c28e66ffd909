// SPDX-License-Identifier: MIT
// The shape of a network: which elements are in series and which in
// parallel. The pages draw it beside the working.
#pragma once

#include <string>
#include <vector>

namespace vora::calc {

struct Sketch {
    enum class Kind { None, Element, Series, Parallel };
    Kind kind = Kind::None;
    std::string name;          // element name, for Kind::Element
    std::vector<Sketch> parts; // for Series and Parallel

    bool empty() const { return kind == Kind::None; }
    bool operator==(const Sketch&) const = default;
};

Sketch Element(std::string name);
Sketch Series(std::vector<Sketch> parts);
Sketch Parallel(std::vector<Sketch> parts);

// "R1 + R2 ∥ R3": series with "+", parallel with "∥", brackets where needed.
std::string Describe(const Sketch& sketch);

} // namespace vora::calc
