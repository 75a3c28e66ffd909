// SPDX-License-Identifier: MIT
#include "find_value.h"

#include "engineering.h"
#include "number.h"
#include "units.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vora::calc {

namespace {

constexpr const char* kTitle = "Find a Value";

[[noreturn]] void Refuse(std::string text, std::string field) {
    Fail({kTitle, std::move(text), std::move(field)});
}

// Bounds read as a student writes them: four digits and a prefix.
std::string Rounded(double value, const std::string& symbol) {
    std::string text = FormatEngineering(value, symbol);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string WithUnit(const std::string& number, const std::string& symbol) {
    return symbol.empty() ? number : number + " " + symbol;
}

std::string Quantity(double value, const std::string& symbol) {
    return WithUnit(FormatNumber(value), symbol);
}

// A touch at x refined to where `crossing` changes sign nearby, if it does
// and the result is no further from the target there.
double Refined(const SolveProblem& problem, std::size_t t, std::size_t u, double x, double wanted) {
    if (!problem.crossing) return x;
    double low = x * (1 - 1e-6), high = x * (1 + 1e-6);
    const auto a = problem.crossing(u, low), b = problem.crossing(u, high);
    if (!a || !b || (*a < 0) == (*b < 0)) return x;
    const bool lowNegative = *a < 0;
    for (int i = 0; i < 200 && low < high; ++i) {
        const double mid = low + (high - low) / 2;
        if (mid <= low || mid >= high) break;
        const auto m = problem.crossing(u, mid);
        if (!m) return x;
        ((*m < 0) == lowNegative ? low : high) = mid;
    }
    const auto at = problem.result(t, u, low), before = problem.result(t, u, x);
    if (!at || !before || std::fabs(*at - wanted) > std::fabs(*before - wanted)) return x;
    return low;
}

} // namespace

std::vector<std::pair<std::string, int>> TargetUnits(const SolveTarget& target) {
    const std::string& symbol = target.symbol;
    if (symbol.empty() || !target.prefixed) return {{symbol, 0}};
    return {{"p" + symbol, -12}, {"n" + symbol, -9}, {"\u00B5" + symbol, -6}, {"m" + symbol, -3},
            {symbol, 0},         {"k" + symbol, 3},  {"M" + symbol, 6}};
}

std::string ExactText(double x) {
    // to_chars ignores the locale: a comma locale would break the read-back.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 17).ptr;
    return std::string(text, end);
}

Outcome<Found> FindValue(const SolveProblem& problem, std::size_t t, std::size_t u,
                         const Field& target, int power) {
    return Attempt([&]() -> Found {
        if (t >= problem.targets.size())
            Refuse("Choose the result whose value you know.", "cboTarget");
        if (u >= problem.unknowns.size())
            Refuse("Choose the value to find: the page has no value that this result "
                   "depends on.",
                   "cboUnknown");
        const SolveTarget& result = problem.targets[t];
        const SolveUnknown& unknown = problem.unknowns[u];
        const Parsed typed = ParseStrict(target.text);
        if (!typed || !std::isfinite(typed.value * std::pow(10.0, power)))
            Refuse("Enter the value of " + result.name + " as a number, for example 12 or 4.7E-3.",
                   target.name);
        const double wanted = typed.value * std::pow(10.0, power);

        const ResultOf of = [&](double x) { return problem.result(t, u, x); };
        const Solutions s = Solve(of, wanted, unknown.span);
        if (!s.least || !s.greatest)
            Refuse(result.name + " cannot be computed for any value of " + unknown.name +
                       " with the other values as they are.",
                   "cboUnknown");
        const double least = *s.least, greatest = *s.greatest;
        const double scale = std::max(std::fabs(least), std::fabs(greatest));
        if (greatest - least <= 1e-12 * scale)
            Refuse(result.name + " does not depend on " + unknown.name + ": it stays " +
                       Quantity(least, result.symbol) + " whatever " + unknown.name +
                       " is. Choose another value to find.",
                   "cboUnknown");
        if (s.values.empty()) {
            if (wanted < 0 && least >= 0)
                Refuse(result.name + " is never negative. Enter a positive value.", target.name);
            if (wanted > 0 && greatest <= 0)
                Refuse(result.name + " is never positive here. Enter a negative value.",
                       target.name);
            Refuse("No value of " + unknown.name + " gives " + result.name + " = " +
                       Quantity(wanted, result.symbol) + ": with the other values as they are, " +
                       result.name + " stays between " + Rounded(least, result.symbol) + " and " +
                       Rounded(greatest, result.symbol) + " (for " + unknown.name + " from " +
                       Rounded(unknown.span.low, unknown.symbol) + " to " +
                       Rounded(unknown.span.high, unknown.symbol) + ").",
                   target.name);
        }

        Found found;
        for (double x : s.values)
            found.values.push_back(Refined(problem, t, u, x, wanted));
        for (double x : s.values)
            found.fieldTexts.push_back(FormatNumber(x / unknown.unitFactor));
        // The check reads the value back as the field holds it.
        const std::string& written = found.fieldTexts.front();
        std::string values;
        for (std::size_t i = 0; i < found.fieldTexts.size(); ++i) {
            if (i > 0) values += i + 1 == found.fieldTexts.size() ? " or " : ", ";
            values += unknown.name + " = " + WithUnit(found.fieldTexts[i], unknown.shownUnit);
        }
        found.line = "Given " + result.name + " = " + Quantity(wanted, result.symbol) + ", found " +
                     values + ".";
        if (const Parsed back = ParseStrict(written)) {
            if (const auto check = problem.result(t, u, back.value * unknown.unitFactor))
                found.line += " Check: with " + unknown.name + " = " +
                              WithUnit(written, unknown.shownUnit) + ", " + result.name + " = " +
                              Quantity(*check, result.symbol) + ".";
        }
        return found;
    });
}

} // namespace vora::calc
