// SPDX-License-Identifier: MIT
#include "number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vora::calc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The pieces of a decimal number as they were found in the text.
struct Decimal {
    bool negative = false;
    std::string digits; // integer and fraction digits, without the point
    std::int64_t exponent = 0; // power of ten that applies to `digits` as an integer
};

constexpr std::int64_t kExponentLimit = 1'000'000'000; // far beyond any double

// Adds one exponent digit, saturating so that absurdly long exponents stay safe.
void PushExponentDigit(std::int64_t& e, char c) {
    if (e < kExponentLimit) e = e * 10 + (c - '0');
}

// Converts the collected pieces. Too large gives infinity, too small gives 0.
double ToDouble(Decimal d) {
    const auto first = d.digits.find_first_not_of('0');
    const double zero = d.negative ? -0.0 : 0.0;
    if (first == std::string::npos) return zero;
    d.digits.erase(0, first);
    // Decimal exponent of the leading digit; decides overflow or underflow
    // before and after from_chars, which does not say which one happened.
    const std::int64_t magnitude = static_cast<std::int64_t>(d.digits.size()) - 1 + d.exponent;
    const double inf = d.negative ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
    if (magnitude > 400) return inf;
    if (magnitude < -400) return zero;
    std::string text = d.digits;
    text += 'e';
    text += std::to_string(d.exponent);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) return magnitude > 0 ? inf : zero;
    return d.negative ? -value : value;
}

double IntegerInBase(std::string_view digits, int base) {
    double value = 0.0;
    for (char c : digits) {
        const int v = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value * base + v;
    }
    return value;
}

} // namespace

Parsed ParseStrict(std::string_view text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    if (i == end) return {};

    Decimal d;
    if (text[i] == '+' || text[i] == '-') d.negative = text[i++] == '-';
    std::size_t mantissaDigits = 0;
    while (i < end && IsDigit(text[i])) {
        d.digits += text[i++];
        ++mantissaDigits;
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i])) {
            d.digits += text[i++];
            --d.exponent;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return {};
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == end || !IsDigit(text[i])) return {};
        std::int64_t e = 0;
        while (i < end && IsDigit(text[i])) PushExponentDigit(e, text[i++]);
        d.exponent += negativeExponent ? -e : e;
    }
    if (i != end) return {};

    const double value = ToDouble(std::move(d));
    if (std::isinf(value)) return {ParseStatus::TooLarge, 0.0};
    return {ParseStatus::Ok, value};
}

double ParseLeading(std::string_view text) {
    // Blanks, tabs and line feeds do not count anywhere, so read from a copy
    // without them.
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    std::size_t i = 0;
    const std::size_t end = s.size();
    if (i + 1 < end && s[i] == '&') {
        const char kind = static_cast<char>(s[i + 1] | 0x20);
        if (kind == 'h' || kind == 'o') {
            i += 2;
            const std::size_t start = i;
            auto inBase = [kind](char c) {
                return kind == 'o' ? (c >= '0' && c <= '7')
                                   : (IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'));
            };
            while (i < end && inBase(s[i])) ++i;
            return IntegerInBase(std::string_view(s).substr(start, i - start), kind == 'o' ? 8 : 16);
        }
    }

    Decimal d;
    if (i < end && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
    while (i < end && IsDigit(s[i])) d.digits += s[i++];
    if (i < end && s[i] == '.') {
        ++i;
        while (i < end && IsDigit(s[i])) {
            d.digits += s[i++];
            --d.exponent;
        }
    }
    if (d.digits.empty()) return 0.0;
    if (i < end && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < end && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < end && IsDigit(s[j])) {
            std::int64_t e = 0;
            while (j < end && IsDigit(s[j])) PushExponentDigit(e, s[j++]);
            d.exponent += negativeExponent ? -e : e;
        }
    }
    return ToDouble(std::move(d));
}

std::string FormatNumber(double value) {
    if (!std::isfinite(value)) return {};
    // Negative zero would print as "-0".
    if (value == 0.0) return "0";

    // printf's %.15G: correctly rounded, trailing zeros dropped, fixed
    // notation for decimal exponents -4 to 14, at least two exponent digits.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string out(buf, res.ptr);
    if (const auto e = out.find('e'); e != std::string::npos) out[e] = 'E';
    return out;
}

} // namespace vora::calc
