// SPDX-License-Identifier: MIT
// Reads a printed line of working back as arithmetic, written independently
// of calc/term.cpp, so that a bracket left out, a sign turned or a factor
// dropped in the printed text shows as a different value.
//
// Grammar, with the usual precedence (left to right within a level):
//   sum     = product { (" + " | " − ") product }
//   product = power { (" · " | " / ") power }
//   power   = atom { "²" }
//   atom    = number | name | "(" sum ")" | "√(" sum ")" | "|" sum "|"
// A number may carry its own leading minus ("-5", as it appears in brackets).
// Names are looked up in `names`; an unknown name or any other character makes
// Evaluate return nothing.
#pragma once

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vora::testing {

class Arithmetic {
public:
    explicit Arithmetic(std::map<std::string, double> names = {})
        : names_(std::move(names)) {}

    std::optional<double> Evaluate(std::string_view text) {
        text_ = text;
        at_ = 0;
        ok_ = true;
        const double value = Sum();
        if (!ok_ || at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    bool Take(std::string_view token) {
        if (text_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }

    double Sum() {
        double value = Product();
        while (ok_) {
            if (Take(" + "))
                value += Product();
            else if (Take(" − "))
                value -= Product();
            else
                break;
        }
        return value;
    }

    double Product() {
        double value = Power();
        while (ok_) {
            if (Take(" · "))
                value *= Power();
            else if (Take(" / "))
                value /= Power();
            else
                break;
        }
        return value;
    }

    double Power() {
        double value = Atom();
        while (Take("²")) value *= value;
        return value;
    }

    double Atom() {
        if (Take("√(")) return Closed(")", [](double x) { return std::sqrt(x); });
        if (Take("(")) return Closed(")", [](double x) { return x; });
        if (Take("|")) return Closed("|", [](double x) { return std::fabs(x); });
        return Leaf();
    }

    template <class F> double Closed(std::string_view end, F f) {
        const double inner = Sum();
        if (!Take(end)) ok_ = false;
        return f(inner);
    }

    double Leaf() {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.' ||
                text_[at_] == '_' || (at_ == start && text_[at_] == '-') ||
                ((text_[at_] == '+' || text_[at_] == '-') && at_ > start &&
                 (text_[at_ - 1] == 'E' || text_[at_ - 1] == 'e'))))
            ++at_;
        const std::string_view word = text_.substr(start, at_ - start);
        double value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec == std::errc() && end == word.data() + word.size()) return value;
        if (const auto it = names_.find(std::string(word)); it != names_.end()) return it->second;
        ok_ = false;
        return 0;
    }

    std::map<std::string, double> names_;
    std::string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// Whether two computations of one value agree to the 15 digits shown.
inline bool SameValue(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-9 * std::fmax(std::fabs(a), std::fabs(b));
}

} // namespace vora::testing
