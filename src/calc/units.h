// SPDX-License-Identifier: MIT
// Every unit list of the program, in the order the lists show them, with the
// factor of each unit. Pages fill their lists from these tables and the
// computations scale by them, so a list and its factors cannot disagree.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace vora::calc {

// The unit is 10^power base units: an entry × Factor() is the value in the
// base unit, and a base value × Shown() the value in this unit. Both come
// from written decimal constants (1e-9 and 1e9, not one the reciprocal of
// the other), so every scaling is the one a plain formula with that
// constant gives.
struct Unit {
    const char* name;
    int power;

    constexpr double Factor() const { return PowerOfTen(power); }
    constexpr double Shown() const { return PowerOfTen(-power); }

private:
    static constexpr double PowerOfTen(int power) {
        constexpr std::array<double, 19> k{0.000000001, 0.00000001, 0.0000001, 0.000001,  0.00001,
                                           0.0001,      0.001,      0.01,      0.1,       1,
                                           10,          100,        1000,      10000,     100000,
                                           1000000,     10000000,   100000000, 1000000000};
        return k[static_cast<std::size_t>(power + 9)];
    }
};

using Units = std::array<Unit, 3>;

inline constexpr Units kOhms{
    {{.name = "Ohm", .power = 0}, {.name = "Kohm", .power = 3}, {.name = "Mohm", .power = 6}}};
// The same units as the first resistor's list and the AC resistor's list spell them.
inline constexpr Units kOhmsCapital{
    {{.name = "Ohm", .power = 0}, {.name = "KOhm", .power = 3}, {.name = "MOhm", .power = 6}}};
inline constexpr Units kFarads{
    {{.name = "F", .power = 0}, {.name = "\u00B5F", .power = -6}, {.name = "nF", .power = -9}}};
inline constexpr Units kHenries{
    {{.name = "H", .power = 0}, {.name = "mH", .power = -3}, {.name = "\u00B5H", .power = -6}}};
inline constexpr Units kAmperes{
    {{.name = "A", .power = 0}, {.name = "mA", .power = -3}, {.name = "KA", .power = 3}}};
inline constexpr Units kVolts{
    {{.name = "V", .power = 0}, {.name = "mV", .power = -3}, {.name = "KV", .power = 3}}};

constexpr std::array<double, 3> Factors(const Units& units) {
    return {units[0].Factor(), units[1].Factor(), units[2].Factor()};
}

constexpr std::array<double, 3> ShownFactors(const Units& units) {
    return {units[0].Shown(), units[1].Shown(), units[2].Shown()};
}

inline std::array<std::string, 3> Names(const Units& units) {
    return {units[0].name, units[1].name, units[2].name};
}

} // namespace vora::calc
