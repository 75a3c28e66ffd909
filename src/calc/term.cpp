// SPDX-License-Identifier: MIT
#include "term.h"

#include "number.h"

#include <cmath>

namespace vora::calc {
namespace {

std::string Wrap(const std::string& text, bool parens) {
    return parens ? "(" + text + ")" : text;
}

// An operand that starts with a minus sign gets parentheses, "20 · (-5)", so
// that no two operators stand side by side.
std::string Operand(const std::string& text, bool parens) {
    return Wrap(text, parens || (!text.empty() && text.front() == '-'));
}

} // namespace

Term::Term(double constant)
    : value_(constant), symbols_(FormatNumber(constant)), numbers_(symbols_), precedence_(3) {}

Term Term::Named(std::string_view name, double value) {
    Term t(value);
    t.symbols_ = std::string(name);
    return t;
}

Term operator+(const Term& a, const Term& b) {
    return Term(a.value_ + b.value_, a.symbols_ + " + " + b.symbols_,
                Operand(a.numbers_, false) + " + " + Operand(b.numbers_, false), 1);
}

Term operator-(const Term& a, const Term& b) {
    const bool r = b.precedence_ <= 1;
    return Term(a.value_ - b.value_, a.symbols_ + " − " + Wrap(b.symbols_, r),
                Operand(a.numbers_, false) + " − " + Operand(b.numbers_, r), 1);
}

Term operator*(const Term& a, const Term& b) {
    const bool l = a.precedence_ <= 1 || a.quotient_;
    const bool r = b.precedence_ <= 1;
    return Term(a.value_ * b.value_, Wrap(a.symbols_, l) + " · " + Wrap(b.symbols_, r),
                Operand(a.numbers_, l) + " · " + Operand(b.numbers_, r), 2);
}

Term operator/(const Term& a, const Term& b) {
    const bool l = a.precedence_ <= 1;
    const bool r = b.precedence_ <= 2;
    Term t(a.value_ / b.value_, Wrap(a.symbols_, l) + " / " + Wrap(b.symbols_, r),
           Operand(a.numbers_, l) + " / " + Operand(b.numbers_, r), 2);
    t.quotient_ = true;
    return t;
}

Term Sqrt(const Term& a) {
    return Term(std::sqrt(a.value_), "√(" + a.symbols_ + ")", "√(" + a.numbers_ + ")", 3);
}

Term Square(const Term& a) {
    const bool p = a.precedence_ <= 2;
    return Term(a.value_ * a.value_, Wrap(a.symbols_, p) + "²", Operand(a.numbers_, p) + "²", 3);
}

Term Abs(const Term& a) {
    return Term(std::sqrt(a.value_ * a.value_), "|" + a.symbols_ + "|", "|" + a.numbers_ + "|", 3);
}

std::string WorkingLine::Text() const {
    if (sentence) return name;
    // name = symbols = numbers = value, leaving out a step that repeats the
    // one before it ("Vsrc = 15 V", not "Vsrc = 15 = 15 V").
    std::string text = name;
    std::string last = name;
    for (const std::string& part : {symbols, numbers, FormatNumber(value)}) {
        if (part.empty() || part == last) continue;
        text += " = " + part;
        last = part;
    }
    if (!unit.empty()) text += " " + unit;
    return text;
}

void Working::Let(double& target, std::string_view name, const Term& term, std::string_view unit) {
    target = term.value();
    Note(name, term, unit);
}

void Working::Note(std::string_view name, const Term& term, std::string_view unit) {
    lines_.push_back({std::string(name), term.symbols(), term.numbers(), term.value(),
                      std::string(unit)});
}

void Working::Say(std::string text) {
    WorkingLine line;
    line.name = std::move(text);
    line.sentence = true;
    lines_.push_back(std::move(line));
}

std::string Working::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        if (!text.empty()) text += '\n';
        text += line.Text();
    }
    return text;
}

} // namespace vora::calc
