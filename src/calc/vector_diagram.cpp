// SPDX-License-Identifier: MIT
#include "vector_diagram.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace vora::calc {

std::string Degrees(double radians) {
    double degrees = radians * 180 / std::numbers::pi;
    if (std::abs(degrees) < 0.005) degrees = 0; // no "-0.00°"
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::fixed, 2);
    return std::string(buffer, end.ptr) + "\u00B0";
}

std::string Describe(const VectorDiagram& diagram) {
    std::string text;
    for (const Arrow& a : diagram.arrows) {
        if (!text.empty()) text += '\n';
        text += a.label + " at " + Degrees(std::arg(a.to - a.from));
    }
    if (diagram.angle) text += (text.empty() ? "" : "\n") + diagram.angle->label;
    return text;
}

} // namespace vora::calc
