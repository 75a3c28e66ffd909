// SPDX-License-Identifier: MIT
// Independent checks for the fuzz targets: the documented grammar as a
// regular expression, and a reference conversion through the C library in
// the "C" locale (fine here; the program itself never uses it).
#pragma once

#include <clocale>
#include <cstdlib>
#include <regex>
#include <string>

namespace vora::fuzz {

inline bool MatchesStrictGrammar(const std::string& text) {
    static const std::regex grammar(R"(^ *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)? *$)");
    return std::regex_match(text, grammar);
}

inline double ReferenceValue(const std::string& number) {
    std::setlocale(LC_NUMERIC, "C");
    return std::strtod(number.c_str(), nullptr);
}

[[noreturn]] inline void Violation(const char* what) {
    __builtin_trap();
    (void)what;
}

} // namespace vora::fuzz
