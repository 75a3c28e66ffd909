// SPDX-License-Identifier: MIT
// Every unit list of the program, in the order the lists show them, with the
// factor of each unit. Pages fill their lists from these tables and the
// computations scale by them, so a list and its factors cannot disagree.
//
// Each list keeps its first three units in a fixed order, the positions the
// handlers and the tests name; further units follow them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace vora::calc {

// The unit is 10^power base units: an entry × Factor() is the value in the
// base unit, and a base value × Shown() the value in this unit. Both come
// from written decimal constants (1e-9 and 1e9, not one the reciprocal of
// the other), so every scaling is the one a plain formula with that
// constant gives.
struct Unit {
    const char* name; // as its list shows it: "Kohm", "KOhm"
    int power;
    const char* symbol; // the SI symbol beside a result: "k\u03A9", "\u00B5F"

    constexpr double Factor() const { return PowerOfTen(power); }
    constexpr double Shown() const { return PowerOfTen(-power); }

private:
    static constexpr double PowerOfTen(int power) {
        constexpr std::array<double, 25> k{0.000000000001,
                                           0.00000000001,
                                           0.0000000001,
                                           0.000000001,
                                           0.00000001,
                                           0.0000001,
                                           0.000001,
                                           0.00001,
                                           0.0001,
                                           0.001,
                                           0.01,
                                           0.1,
                                           1,
                                           10,
                                           100,
                                           1000,
                                           10000,
                                           100000,
                                           1000000,
                                           10000000,
                                           100000000,
                                           1000000000,
                                           10000000000,
                                           100000000000,
                                           1000000000000};
        return k[static_cast<std::size_t>(power + 12)];
    }
};

// A unit list's items; a position in the list indexes it.
using Units = std::span<const Unit>;

namespace unit_tables {
inline constexpr Unit kOhms[] = {{.name = "Ohm", .power = 0, .symbol = "\u03A9"},
                                 {.name = "Kohm", .power = 3, .symbol = "k\u03A9"},
                                 {.name = "Mohm", .power = 6, .symbol = "M\u03A9"},
                                 {.name = "mOhm", .power = -3, .symbol = "m\u03A9"}};
inline constexpr Unit kOhmsCapital[] = {{.name = "Ohm", .power = 0, .symbol = "\u03A9"},
                                        {.name = "KOhm", .power = 3, .symbol = "k\u03A9"},
                                        {.name = "MOhm", .power = 6, .symbol = "M\u03A9"},
                                        {.name = "mOhm", .power = -3, .symbol = "m\u03A9"}};
inline constexpr Unit kFarads[] = {{.name = "F", .power = 0, .symbol = "F"},
                                   {.name = "\u00B5F", .power = -6, .symbol = "\u00B5F"},
                                   {.name = "nF", .power = -9, .symbol = "nF"},
                                   {.name = "pF", .power = -12, .symbol = "pF"},
                                   {.name = "mF", .power = -3, .symbol = "mF"}};
inline constexpr Unit kHenries[] = {{.name = "H", .power = 0, .symbol = "H"},
                                    {.name = "mH", .power = -3, .symbol = "mH"},
                                    {.name = "\u00B5H", .power = -6, .symbol = "\u00B5H"},
                                    {.name = "nH", .power = -9, .symbol = "nH"}};
inline constexpr Unit kAmperes[] = {{.name = "A", .power = 0, .symbol = "A"},
                                    {.name = "mA", .power = -3, .symbol = "mA"},
                                    {.name = "KA", .power = 3, .symbol = "kA"}};
inline constexpr Unit kVolts[] = {{.name = "V", .power = 0, .symbol = "V"},
                                  {.name = "mV", .power = -3, .symbol = "mV"},
                                  {.name = "KV", .power = 3, .symbol = "kV"}};
inline constexpr Unit kSourceAmperes[] = {{.name = "A", .power = 0, .symbol = "A"},
                                          {.name = "mA", .power = -3, .symbol = "mA"},
                                          {.name = "\u00B5A", .power = -6, .symbol = "\u00B5A"}};
inline constexpr Unit kSourceVolts[] = {{.name = "V", .power = 0, .symbol = "V"},
                                        {.name = "mV", .power = -3, .symbol = "mV"},
                                        {.name = "kV", .power = 3, .symbol = "kV"}};
inline constexpr Unit kCoulombs[] = {{.name = "C", .power = 0, .symbol = "C"},
                                     {.name = "\u00B5C", .power = -6, .symbol = "\u00B5C"},
                                     {.name = "nC", .power = -9, .symbol = "nC"}};
inline constexpr Unit kSeconds[] = {{.name = "s", .power = 0, .symbol = "s"},
                                    {.name = "ms", .power = -3, .symbol = "ms"},
                                    {.name = "\u00B5s", .power = -6, .symbol = "\u00B5s"}};
} // namespace unit_tables

inline constexpr Units kOhms{unit_tables::kOhms};
// The same units as the first resistor's list and the AC resistor's list spell them.
inline constexpr Units kOhmsCapital{unit_tables::kOhmsCapital};
inline constexpr Units kFarads{unit_tables::kFarads};
inline constexpr Units kHenries{unit_tables::kHenries};
// The AC page's source and element result lists.
inline constexpr Units kAmperes{unit_tables::kAmperes};
inline constexpr Units kVolts{unit_tables::kVolts};
// The element pages' source lists.
inline constexpr Units kSourceAmperes{unit_tables::kSourceAmperes};
inline constexpr Units kSourceVolts{unit_tables::kSourceVolts};
inline constexpr Units kCoulombs{unit_tables::kCoulombs};
// Times on the transient page.
inline constexpr Units kSeconds{unit_tables::kSeconds};

// The SI symbols of the base units, for results that have no unit list.
namespace symbols {
inline constexpr const char* kOhm = "\u03A9";
inline constexpr const char* kVolt = "V";
inline constexpr const char* kAmpere = "A";
inline constexpr const char* kWatt = "W";
inline constexpr const char* kVar = "var";
inline constexpr const char* kVoltAmpere = "VA";
inline constexpr const char* kHertz = "Hz";
inline constexpr const char* kSecond = "s";
inline constexpr const char* kJoule = "J";
inline constexpr const char* kPercent = "%";
inline constexpr const char* kDegree = "\u00B0";
inline constexpr const char* kRadianPerSecond = "rad/s";
} // namespace symbols

// The name of a list's base unit (its power-0 item), as the list shows it:
// "Ohm", "F", "H".
constexpr const char* BaseName(Units units) {
    for (const Unit& u : units)
        if (u.power == 0) return u.name;
    return "";
}

// The symbol of a list's base unit (its power-0 item): "\u03A9", "F", "H".
constexpr const char* BaseSymbol(Units units) {
    for (const Unit& u : units)
        if (u.power == 0) return u.symbol;
    return "";
}

inline std::vector<double> Factors(Units units) {
    std::vector<double> factors;
    for (const Unit& u : units)
        factors.push_back(u.Factor());
    return factors;
}

inline std::vector<double> ShownFactors(Units units) {
    std::vector<double> factors;
    for (const Unit& u : units)
        factors.push_back(u.Shown());
    return factors;
}

inline std::vector<std::string> Names(Units units) {
    std::vector<std::string> names;
    for (const Unit& u : units)
        names.emplace_back(u.name);
    return names;
}

// Whether `position` names an item of the list (a typed unit is -1).
inline bool InList(int position, std::size_t size) {
    return position >= 0 && static_cast<std::size_t>(position) < size;
}

} // namespace vora::calc
