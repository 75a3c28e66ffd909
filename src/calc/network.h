// SPDX-License-Identifier: MIT
// Connection choices of the elements of a page and the patterns that the
// computations test them against.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vora::calc {

enum class Choice { None, Series, Parallel };
enum class Source { None, Current, Voltage }; // Current is "Charge" on the capacitor page

// Choices of elements 1, 2, 3, ... in order.
template <std::size_t N> using Choices = std::array<Choice, N>;

// True when the first pattern.size() elements match the pattern, character by
// character: 'S' Series, 'P' Parallel, 'N' none, '?' either Series or
// Parallel, '~' not Parallel (Series or none), '*' anything. Elements after
// the pattern are not looked at, so "PS" matches P S S P as well.
template <std::size_t N> bool Matches(const Choices<N>& choices, std::string_view pattern) {
    if (pattern.size() > N) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const Choice c = choices[i];
        switch (pattern[i]) {
        case 'S':
            if (c != Choice::Series) return false;
            break;
        case 'P':
            if (c != Choice::Parallel) return false;
            break;
        case 'N':
            if (c != Choice::None) return false;
            break;
        case '?':
            if (c == Choice::None) return false;
            break;
        case '~':
            if (c == Choice::Parallel) return false;
            break;
        case '*':
            break;
        default:
            return false;
        }
    }
    return true;
}

// Parses "SP-P" style text (used by tests and tools): S, P, anything else none.
template <std::size_t N> Choices<N> ChoicesFrom(std::string_view text) {
    Choices<N> choices{};
    for (std::size_t i = 0; i < N && i < text.size(); ++i)
        choices[i] = text[i] == 'S'   ? Choice::Series
                     : text[i] == 'P' ? Choice::Parallel
                                      : Choice::None;
    return choices;
}

} // namespace vora::calc
