// SPDX-License-Identifier: MIT
#include "unit_text.h"

#include <array>
#include <utility>

namespace vora::calc {

namespace {

struct Spelling {
    std::string_view text;
    int power;
};

// K and the long ohm spellings are the program's own list names.
constexpr std::array<Spelling, 12> kPrefixes{{
    {"p", -12},
    {"n", -9},
    {"\u00B5", -6},
    {"\u03BC", -6},
    {"u", -6},
    {"m", -3},
    {"k", 3},
    {"K", 3},
    {"M", 6},
    {"G", 9},
    {"T", 12},
    {"", 0},
}};

struct Base {
    std::string_view text;
    UnitQuantity quantity;
};

constexpr std::array<Base, 10> kBases{{
    {"\u03A9", UnitQuantity::Resistance},
    {"\u2126", UnitQuantity::Resistance},
    {"ohm", UnitQuantity::Resistance},
    {"Ohm", UnitQuantity::Resistance},
    {"F", UnitQuantity::Capacitance},
    {"H", UnitQuantity::Inductance},
    {"A", UnitQuantity::Current},
    {"V", UnitQuantity::Voltage},
    {"C", UnitQuantity::Charge},
    {"", UnitQuantity::Resistance}, // a prefix alone; the quantity is dropped below
}};

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<UnitMeaning> ReadUnitText(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) return std::nullopt;
    for (const Spelling& prefix : kPrefixes) {
        if (!text.starts_with(prefix.text)) continue;
        const std::string_view rest = text.substr(prefix.text.size());
        for (const Base& base : kBases) {
            if (rest != base.text) continue;
            if (base.text.empty()) {
                if (prefix.text.empty()) continue;
                return UnitMeaning{std::nullopt, prefix.power};
            }
            return UnitMeaning{base.quantity, prefix.power};
        }
    }
    return std::nullopt;
}

std::string UnitSymbol(UnitQuantity quantity, int power) {
    std::string symbol;
    for (const Spelling& prefix : kPrefixes)
        if (prefix.power == power) {
            symbol = prefix.text;
            break;
        }
    switch (quantity) {
    case UnitQuantity::Resistance:
        return symbol + "\u03A9";
    case UnitQuantity::Capacitance:
        return symbol + "F";
    case UnitQuantity::Inductance:
        return symbol + "H";
    case UnitQuantity::Current:
        return symbol + "A";
    case UnitQuantity::Voltage:
        return symbol + "V";
    case UnitQuantity::Charge:
        return symbol + "C";
    }
    return symbol;
}

} // namespace vora::calc
