// SPDX-License-Identifier: MIT
// Finding an input from a result: every value of one input, within a span,
// at which a result takes a given value. The result is any computation of a
// page, seen as a function of that one input with the others held; nothing
// about circuits is assumed, so each page solves on its own model.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace vora::calc {

// The input's values searched, both positive; searched on a log scale, as
// component values spread over many decades.
struct SolveSpan {
    double low = 1e-12;
    double high = 1e12;
};

struct Solutions {
    std::vector<double> values; // ascending; empty when the target is out of reach
    // The least and greatest finite value the result took over the span:
    // what to tell the user when no value reaches the target.
    std::optional<double> least, greatest;
};

// The result with the input at `x`, or nothing where it cannot be computed
// (for example a division by zero at that value).
using ResultOf = std::function<std::optional<double>(double x)>;

// Every x in `span` with result(x) == target, to the precision of a double:
// sign changes of result - target on a dense log grid are bisected to the
// last bit; narrow dips and peaks between grid points, and targets that a
// result only touches (a maximum of 1 for a power factor), are found from
// the grid's turning points. A bounded number of evaluations, whatever
// `result` does.
Solutions Solve(const ResultOf& result, double target, SolveSpan span = {});

} // namespace vora::calc
