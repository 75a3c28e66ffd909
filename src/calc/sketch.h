// SPDX-License-Identifier: MIT
// The shape of a network as a rule of a "Total ..." button reads it: which
// elements are in series and which in parallel. The pages draw it beside the
// working, and tests check that it combines to the same total as the rule.
#pragma once

#include <functional>
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

// How two elements combine: resistors and inductors add in series and add
// reciprocals in parallel; capacitors the other way round.
enum class Combination { AddInSeries, AddInParallel };

// The total of the sketch with the element values given by `value`.
double Combine(const Sketch& sketch, Combination how,
               const std::function<double(const std::string&)>& value);

} // namespace vora::calc
