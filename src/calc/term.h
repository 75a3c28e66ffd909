// SPDX-License-Identifier: MIT
// A number that remembers how it was computed.
//
// Formulas on every page are written with Terms instead of bare doubles. Each
// operation computes the double exactly as the plain expression would (same
// operations, same order), and also builds two texts: the formula in symbols
// ("R2 + R1") and with the numbers substituted ("20 + 10"). The page's working
// area shows those texts, so the working can never drift from the rule that
// produced the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vora::calc {

class Term {
public:
    // A literal constant such as 1, 3 or 314: shown as itself in both texts.
    Term(double constant); // NOLINT(google-explicit-constructor): formulas read like maths
    // A stored or entered value under its name, for example Named("R2", 20).
    static Term Named(std::string_view name, double value);

    double value() const { return value_; }
    const std::string& symbols() const { return symbols_; }
    const std::string& numbers() const { return numbers_; }

    friend Term operator+(const Term& a, const Term& b);
    friend Term operator-(const Term& a, const Term& b);
    friend Term operator*(const Term& a, const Term& b);
    friend Term operator/(const Term& a, const Term& b);
    friend Term Sqrt(const Term& a);
    friend Term Square(const Term& a);
    friend Term Abs(const Term& a); // computed as the square root of the square

private:
    Term(double value, std::string symbols, std::string numbers, int precedence)
        : value_(value)
        , symbols_(std::move(symbols))
        , numbers_(std::move(numbers))
        , precedence_(precedence) {}

    double value_;
    std::string symbols_;
    std::string numbers_;
    int precedence_;        // 1 sum, 2 product, 3 atom
    bool quotient_ = false; // bracketed on the left of a product: "(1 / 3) · Z"
};

// One line of working: "RT = R2 + R1 = 20 + 10 = 30".
struct WorkingLine {
    std::string name;
    std::string symbols;
    std::string numbers;
    double value = 0;
    std::string unit;
    bool sentence = false; // a plain sentence kept in `name`

    std::string Text() const;
};

// The lines of one computation, in the order the assignments ran.
class Working {
public:
    // Assigns the term's value to `target` and records the line.
    void Let(double& target, std::string_view name, const Term& term, std::string_view unit = {});
    // Records a line without storing anything (a value shown, not kept).
    void Note(std::string_view name, const Term& term, std::string_view unit = {});
    // A plain sentence, for example why nothing was computed.
    void Say(std::string text);

    const std::vector<WorkingLine>& lines() const { return lines_; }
    std::string Text() const; // one line per step

private:
    std::vector<WorkingLine> lines_;
};

} // namespace vora::calc
