// SPDX-License-Identifier: MIT
// Finding an input from a given result, for every page: the page describes
// what it shows (the targets), what the user may leave to be found (the
// unknowns), and how a target follows from an unknown with everything else
// on the page as it is. FindValue then solves, explains when no value
// exists, and writes the working's line.
#pragma once

#include "fields.h"
#include "outcome.h"
#include "solve.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vora::calc {

// A result the page shows.
struct SolveTarget {
    std::string name;    // as the page names it: "RT", "Ir2", "PF"
    std::string caption; // in the list of results: "RT  total resistance"
    std::string symbol;  // SI symbol of its base unit, empty for a plain number
    // The page's event that shows it, in the page's own numbering: the
    // element pages' element (0 for the total button), the AC page's
    // AcEvent, the three-phase pages' caption.
    int event = 0;
    // Whether its unit list offers the SI prefixes (not for a percentage).
    bool prefixed = true;
};

// An input that can be found.
struct SolveUnknown {
    std::string name;  // "R3", "C", "the source voltage"
    std::string field; // objectName of its entry field
    std::string symbol;
    SolveSpan span;
    // The unit its list shows now: a number in the field × unitFactor is
    // the value in the base unit.
    double unitFactor = 1;
    std::string shownUnit;
};

struct SolveProblem {
    std::vector<SolveTarget> targets;
    std::vector<SolveUnknown> unknowns;
    // Target `t` with unknown `u` at x (base units) and every other input as
    // it is; nothing where it cannot be computed.
    std::function<std::optional<double>(std::size_t t, std::size_t u, double x)> result;
    // Optional: a quantity that crosses zero where a result only touches its
    // extreme (the reactance of a circuit where its power factor touches 1).
    // A value found at a touch is refined to that crossing, which a search on
    // the flat top of the result alone cannot place to the last digits.
    std::function<std::optional<double>(std::size_t u, double x)> crossing;
};

// What the target's unit list offers: the base symbol with the SI prefixes
// from pico to mega, as (symbol, power of ten); only the symbol where the
// target takes no prefixes, and only "" for a plain number.
std::vector<std::pair<std::string, int>> TargetUnits(const SolveTarget& target);

struct Found {
    std::vector<double> values;          // ascending, in the base unit
    std::vector<std::string> fieldTexts; // each as the unknown's field takes it
    std::string line;                    // for the working: given, found, the check
};

// Solves target `t` = the number in `target` (× 10^power of its unit) for
// unknown `u`. Fails with one message, naming txtTarget or cboUnknown, when
// the target is not a number, when the target does not depend on the
// unknown, when the target has a sign the result never takes, and when no
// value reaches it (saying the range the result can take).
Outcome<Found> FindValue(const SolveProblem& problem, std::size_t t, std::size_t u,
                         const Field& target, int power);

// x as an entry field reads it back exactly: 17 significant digits.
std::string ExactText(double x);

} // namespace vora::calc
