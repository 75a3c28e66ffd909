// SPDX-License-Identifier: MIT
#include "ac_working.h"

#include "calc/number.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace vora::calc::ac {
namespace {

// A value inside a sum or a quotient gets brackets when it is itself a sum
// or starts with a sign.
std::string Wrap(const std::string& text) {
    const bool compound = text.find(' ') != std::string::npos || text.front() == '-';
    return compound ? "(" + text + ")" : text;
}

// A factor of a product or quotient: also a magnitude with its angle.
std::string Factor(const std::string& text) {
    return text.find("∠") != std::string::npos ? "(" + text + ")" : Wrap(text);
}

std::string Value(const Impedance& z) {
    return z.open ? "∞" : Rect(z.value);
}

// How a part appears in its group's formula.
std::string Symbol(const Sketch& s) {
    if (s.kind != Sketch::Kind::Element) return "Z(" + Describe(s) + ")";
    if (s.name == kNames[1]) return "jXL";
    if (s.name == kNames[2]) return "-jXC";
    return s.name;
}

std::string Name(const Sketch& s, bool root, const char* quantity) {
    if (root) return quantity;
    if (s.kind == Sketch::Kind::Element) return quantity + s.name;
    return std::string(quantity) + "(" + Describe(s) + ")";
}

// The line of each group inside `s`, said in order; the line of `s` itself
// is returned (empty for an element inside a group).
std::string GroupLines(const Circuit& c, const Sketch& s, bool root, Working& w) {
    const Impedance total = c.TotalOf(s);
    if (s.kind == Sketch::Kind::Element)
        return root ? "Z = " + Symbol(s) + " = " + Value(total) + " Ohm" : std::string();
    for (const Sketch& part : s.parts)
        if (const std::string line = GroupLines(c, part, false, w); !line.empty()) w.Say(line);
    const bool series = s.kind == Sketch::Kind::Series;
    std::string symbols, numbers;
    for (const Sketch& part : s.parts) {
        const std::string value = Value(c.TotalOf(part));
        std::string symbol = Symbol(part);
        if (!symbols.empty()) {
            // "R + jXL − jXC" rather than "+ -jXC".
            const bool minus = series && symbol.front() == '-';
            symbols += minus ? " − " : " + ";
            if (minus) symbol.erase(0, 1);
            numbers += " + ";
        }
        if (!series) symbol = "1/" + (symbol.front() == '-' ? "(" + symbol + ")" : symbol);
        symbols += symbol;
        numbers += series ? Wrap(value) : "1/" + Wrap(value);
    }
    if (!series) symbols = "1 / (" + symbols + ")", numbers = "1 / (" + numbers + ")";
    // "Z = R + jXL = 100 + j314 Ohm", not "... = 100 + j314 = 100 + j314 Ohm".
    std::string line = (root ? std::string("Z") : Symbol(s)) + " = " + symbols + " = " + numbers;
    if (numbers != Value(total)) line += " = " + Value(total);
    line += " Ohm";
    if (total.open)
        line += series ? ": an open part stops the current"
                       : ": the branch currents cancel (XL = XC), so the group is open";
    return line;
}

} // namespace

std::string Short(double x) {
    if (x == 0 || !std::isfinite(x)) return FormatNumber(x);
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 5).ptr;
    double rounded = x;
    std::from_chars(buf, end, rounded);
    return FormatNumber(rounded);
}

std::string Rect(Complex z) {
    const double re = z.real(), im = z.imag();
    if (im == 0) return Short(re);
    const std::string j = "j" + Short(std::abs(im));
    if (re == 0) return im < 0 ? "-" + j : j;
    return Short(re) + (im < 0 ? " − " : " + ") + j;
}

std::string Polar(Complex z) {
    if (z == Complex{}) return "0";
    return Short(std::abs(z)) + "∠" + Short(std::arg(z) * 180 / std::numbers::pi) + "°";
}

void ImpedanceLines(const Circuit& c, Working& w) {
    w.Say(GroupLines(c, c.sketch, true, w));
    if (!c.total.open) w.Say("|Z| = " + FormatNumber(std::abs(c.total.value)) + " Ohm");
}

void SourceLines(const Circuit& c, const Solution& s, network::SourceKind kind, Working& w) {
    const std::string z = c.total.open ? "∞" : Factor(Polar(c.total.value));
    // The source is a real number: its phase is the reference.
    if (kind == network::SourceKind::Voltage) {
        const std::string v = Short(s.voltage.real());
        w.Say("V = " + v + " V across the circuit");
        w.Say("I = V / Z = " + Wrap(v) + " / " + z + " = " + Polar(s.current) + " A");
    } else {
        const std::string i = Short(s.current.real());
        w.Say("I = " + i + " A into the circuit");
        w.Say("V = I · Z = " + Wrap(i) + " · " + z + " = " + Polar(s.voltage) + " V");
    }
}

void PathLines(const Circuit& c, const Solution& s, const std::string& name, Working& w) {
    const std::vector<const Sketch*> path = network::PathTo(c.sketch, name);
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Sketch& parent = *path[i - 1];
        const Sketch& node = *path[i];
        const bool top = i == 1;
        const Flow flow = FlowOf(node, s);
        const Flow outer = FlowOf(parent, s);
        const Impedance z = c.TotalOf(node);
        const std::string zText = z.open ? "∞" : Factor(Polar(z.value));
        if (parent.kind == Sketch::Kind::Series) {
            // One current through the series parts; each takes its share of the voltage.
            std::string line = Name(node, false, "V") + " = ";
            if (z.open)
                line += Polar(flow.voltage) + " V: the open part takes what the others leave of " +
                        Name(parent, top, "V");
            else
                line += Name(parent, top, "I") + " · " + Symbol(node) + " = " +
                        Factor(Polar(outer.current)) + " · " + zText + " = " + Polar(flow.voltage) +
                        " V";
            w.Say(line);
            if (node.kind == Sketch::Kind::Element)
                w.Say(Name(node, false, "I") + " = " + Name(parent, top, "I") + " = " +
                      Polar(flow.current) + " A");
        } else {
            // One voltage across the parallel branches; each takes its share of the current.
            std::string line = Name(node, false, "I") + " = ";
            if (z.isShort())
                line += Polar(flow.current) +
                        " A: the short branch takes what the others leave of " +
                        Name(parent, top, "I");
            else
                line += Name(parent, top, "V") + " / " + Symbol(node) + " = " +
                        Factor(Polar(outer.voltage)) + " / " + zText + " = " + Polar(flow.current) +
                        " A";
            w.Say(line);
            if (node.kind == Sketch::Kind::Element)
                w.Say(Name(node, false, "V") + " = " + Name(parent, top, "V") + " = " +
                      Polar(flow.voltage) + " V");
        }
    }
    if (path.size() == 1) { // the element is the whole circuit
        w.Say("I" + name + " = I = " + Polar(s.current) + " A");
        w.Say("V" + name + " = V = " + Polar(s.voltage) + " V");
    }
}

} // namespace vora::calc::ac
