// SPDX-License-Identifier: MIT
#include "three_phase_diagram.h"

#include "calc/engineering.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vora::calc {

VectorDiagram ThreePhaseDiagram(Connection connection, double phaseVoltage, double lineVoltage) {
    VectorDiagram d;
    if (connection == Connection::None) return d;
    const double pi = std::numbers::pi;
    const std::array<const char*, 3> phases{"Va", "Vb", "Vc"};
    const std::array<const char*, 3> lines{"Vab", "Vbc", "Vca"};
    const auto at = [](double length, double angle) { return std::polar(std::abs(length), angle); };
    const auto value = [](double v) { return FormatEngineering(v, "V"); };
    const bool star = connection == Connection::Star;
    // Line voltages lead their phase voltage by 30° in star and coincide with it in delta.
    const double lead = star ? pi / 6 : 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const double angle = pi / 2 - static_cast<double>(k) * 2 * pi / 3;
        if (star) {
            d.arrows.push_back({Arrow::Kind::Voltage, 0, at(phaseVoltage, angle),
                                std::string(phases[k]) + " = " + value(phaseVoltage), true, false});
            d.arrows.push_back({Arrow::Kind::Voltage, 0, at(lineVoltage, angle + lead),
                                std::string(lines[k]) + " = " + value(lineVoltage), false, true});
        } else {
            d.arrows.push_back(
                {Arrow::Kind::Voltage, 0, at(phaseVoltage, angle),
                 std::string(phases[k]) + " = " + lines[k] + " = " + value(lineVoltage), true,
                 false});
        }
    }
    if (star) d.angle = AngleMark{pi / 2, lead, Degrees(lead)};
    // Nothing to draw for a voltage of 0.
    if (phaseVoltage == 0 || !std::isfinite(phaseVoltage) || !std::isfinite(lineVoltage)) return {};
    return d;
}

} // namespace vora::calc
