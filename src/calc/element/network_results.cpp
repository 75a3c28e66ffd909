// SPDX-License-Identifier: MIT
#include "network_results.h"

#include "calc/number.h"

#include <cmath>

namespace vora::calc {

namespace {

// An inductor network whose currents rise under a voltage source.
bool Rising(const ElementKind& kind, Source source) {
    return kind.symbol == ElementSymbol::Inductor && source == Source::Voltage;
}

ResultCell Cell(std::string name, double value, std::string unit) {
    if (!std::isfinite(value))
        FailCompute(TooLargeOrUndefined("result " + name, "Check the values and the source."));
    return {std::move(name), FormatNumber(value), std::move(unit), value, {}};
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const char* const kGrows = "grows with time";

} // namespace

std::array<ResultCell, 3> ElementCells(const ElementKind& kind, const NetworkFlows& f,
                                       Source source, int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const std::string n = kind.resultLetter + std::to_string(k);
    if (Rising(kind, source))
        return {Cell("dI" + n + "/dt", f.rate[i], "A/s"), Cell("V" + n, f.voltage[i], "V"),
                ResultCell{kind.third + n, "", kind.thirdUnit, 0, kGrows}};
    return {Cell(kind.flow + n, f.flow[i], kind.flowUnit), Cell("V" + n, f.voltage[i], "V"),
            Cell(kind.third + n, f.third[i], kind.thirdUnit)};
}

NetworkResults Summarize(const ElementKind& kind, const NetworkTotal& t, const NetworkEntries& in,
                         const NetworkFlows& f, Source source, int marked) {
    NetworkResults r;
    const double v = f.sourceVoltage;
    switch (kind.symbol) {
    case ElementSymbol::Resistor:
        r.whole = {Cell("Isrc", f.sourceFlow, "A"), Cell("Vsrc", v, "V"),
                   Cell("Psrc", v * f.sourceFlow, "W")};
        r.heads = {"Current (A)", "Voltage (V)", "Power (W)"};
        break;
    case ElementSymbol::Capacitor:
        r.whole = {Cell("QT", f.sourceFlow, "C"), Cell("VT", v, "V"),
                   Cell("UT", t.total * v * v / 2, "J")};
        r.heads = {"Charge (C)", "Voltage (V)", "Energy (J)"};
        break;
    case ElementSymbol::Inductor:
        if (Rising(kind, source)) {
            r.whole = {Cell("dIsrc/dt", f.sourceRate, "A/s"), Cell("Vsrc", v, "V"),
                       ResultCell{"WT", "", "J", 0, kGrows}};
            r.heads = {"dI/dt (A/s)", "Voltage (V)", "Energy (J)"};
        } else {
            r.whole = {Cell("Isrc", f.sourceFlow, "A"), Cell("Vsrc", v, "V"),
                       Cell("WT", t.total * f.sourceFlow * f.sourceFlow / 2, "J")};
            r.heads = {"Current (A)", "Voltage (V)", "Energy (J)"};
        }
    }
    for (int k = 1; k <= t.length; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const int pos = in.units[i];
        const std::string unit =
            pos >= 0 && pos <= 2 ? kind.units[static_cast<std::size_t>(pos)].name : kind.BaseUnit();
        r.rows.push_back({kind.Element(k), Trimmed(in.values[i].text) + " " + unit,
                          ElementCells(kind, f, source, k)});
    }
    r.marked = marked <= t.length ? marked : 0;
    return r;
}

} // namespace vora::calc
