// SPDX-License-Identifier: MIT
// Every total, per-element result, whole-network result and table row of the
// three pages against ngspice, for random values in every arrangement with
// either source.
//
// Resistor and capacitor networks are solved at DC, as resistors:
//   - resistors as they are;
//   - capacitors as resistors of R = 1/C (elastance): in series capacitors
//     share their charge and their voltages add, in parallel they share the
//     voltage and their charges add, exactly as currents and voltages of
//     resistors of 1/C do. The charge is then the resistor's current, and a
//     charge source a current source.
// The engine itself works differently (on the dual tree for capacitors), so
// agreement checks the physics, not a shared formula.
//
// Inductor networks are simulated as inductors, from zero current: a
// current that ramps up and then stays steady (the currents divide as the
// network makes them, and no voltage is left), or a voltage switched on at
// t = 0 (every current rises at a constant rate, its value at the end of the
// run divided by the time).
#include "support/element_fixtures.h"
#include "support/shortest_text.h"
#include "support/spice.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace vora::calc {
namespace {

using testing::Arrangements;
using testing::Click;
using testing::Entries;
using testing::Results;
using testing::Shown;
using testing::Text;
namespace spice = vora::testing::spice;

struct Circuit {
    char page;
    std::string choices;
    std::array<double, 4> x{}; // SI values as the engine scales them
    bool voltage;
    double source;
    std::vector<Shown> clicks;          // one double-click per element of the network
    Outcome<NetworkResults> afterTotal; // the total click with the source given
    // The netlist's side.
    std::array<std::string, 4> element, from, to;
    std::string sourceName, top;
};

// Random values with units, one source, and the engine's answers.
Circuit Make(char page, const std::string& choices, bool voltage, std::mt19937& random) {
    Circuit c{page, choices, {}, voltage, 0, {}, NetworkResults{}, {}, {}, {}, {}, {}};
    const ElementKind& kind = testing::Kind(page);
    std::uniform_real_distribution<double> number(0.1, 500);
    std::array<std::string, 4> texts;
    std::array<int, 4> units{};
    for (std::size_t i = 0; i < 4; ++i) {
        const double n = number(random);
        units[i] =
            page == 'C' ? 1 + static_cast<int>(random() % 2) : static_cast<int>(random() % 2);
        texts[i] = Text(n);
        c.x[i] = n * kind.readFactor[static_cast<std::size_t>(units[i])];
    }
    const double s = std::uniform_real_distribution<double>(0.5, 50)(random);
    c.source = voltage || page != 'C' ? s : s * 1e-5;
    const NetworkEntries e = Entries(page, texts, choices, units, static_cast<int>(random() % 3));
    const int n = static_cast<int>(choices.find('-') == std::string::npos ? 4 : choices.find('-'));
    const Source source = voltage ? Source::Voltage : Source::Current;
    for (int k = 1; k <= n; ++k)
        c.clicks.push_back(Results(page, Click(e, k, source, Text(c.source))));
    ElementClick total = Click(e, 1, source, Text(c.source));
    total.element = 0;
    c.afterTotal = NetworkResultsOf(kind, total);
    return c;
}

void Expect(double engine, double oracle, const std::string& what) {
    EXPECT_NEAR(engine, oracle, 1e-9 * std::fabs(oracle)) << what;
}

// A result cell against the oracle; NaN expects a cell without a number.
void Expect(const ResultCell& cell, double oracle, const std::string& what) {
    if (std::isnan(oracle)) {
        EXPECT_EQ(cell.text, "") << what << " " << cell.name;
        return;
    }
    Expect(cell.value, oracle, what + " " + cell.name);
    EXPECT_EQ(cell.text, FormatNumber(cell.value)) << what << " " << cell.name;
}

// The whole network and every row of the table, as a double-click (row
// `marked` marked) or the total click (none) shows them.
void ExpectTable(const NetworkResults& r, const std::array<double, 3>& whole,
                 const std::vector<std::array<double, 3>>& rows, int marked,
                 const std::string& where) {
    for (std::size_t i = 0; i < 3; ++i)
        Expect(r.whole[i], whole[i], where + " whole network");
    ASSERT_EQ(r.rows.size(), rows.size()) << where;
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (std::size_t q = 0; q < 3; ++q)
            Expect(r.rows[k].cells[q], rows[k][q], where + " row " + std::to_string(k + 1));
    EXPECT_EQ(r.marked, marked) << where;
}

TEST(NetworkOracle, EveryArrangementAndSourceAgreesWithNgspice) {
    if (!spice::Available())
        GTEST_SKIP() << "ngspice is not installed (tools/install-deps.sh --test)";
    std::mt19937 random(20261216u);
    std::vector<Circuit> circuits;
    for (char page : {'R', 'C'})
        for (const std::string& choices : Arrangements())
            for (bool voltage : {true, false})
                for (int round = 0; round < 2; ++round)
                    circuits.push_back(Make(page, choices, voltage, random));

    spice::Netlist net;
    std::vector<std::string> print;
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        Circuit& c = circuits[i];
        ASSERT_FALSE(c.clicks.empty());
        ASSERT_TRUE(c.clicks[0].ok) << c.choices << ": " << c.clicks[0].failure.text;
        c.top = net.Node();
        const std::string id = std::to_string(i);
        c.sourceName = (c.voltage ? "V" : "I") + id;
        if (c.voltage)
            net.VoltageSource(c.sourceName, c.top, "0", c.source);
        else
            net.CurrentSource(c.sourceName, "0", c.top, c.source);
        net.Network(c.clicks[0].sketch, c.top, "0",
                    [&](const std::string& name, const std::string& a, const std::string& b) {
                        const auto k = static_cast<std::size_t>(name[1] - '1');
                        c.element[k] = "R" + id + "e" + name[1];
                        c.from[k] = a;
                        c.to[k] = b;
                        net.Resistor(c.element[k], a, b, c.page == 'C' ? 1 / c.x[k] : c.x[k]);
                    });
        print.push_back(c.voltage ? "i(" + c.sourceName + ")" : "v(" + c.top + ")");
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            print.push_back("@" + c.element[k] + "[i]");
            for (const std::string& node : {c.from[k], c.to[k]})
                if (node != "0") print.push_back("v(" + node + ")");
        }
    }
    const std::vector<double> values = spice::Run(net, "op", print);
    std::map<std::string, double> at;
    for (std::size_t i = 0; i < print.size(); ++i)
        at[print[i]] = values[i];
    auto value = [&](const std::string& p) { return at.at(p); };
    auto node = [&](const std::string& n) { return n == "0" ? 0.0 : value("v(" + n + ")"); };

    std::size_t checked = 0;
    for (const Circuit& c : circuits) {
        const bool cap = c.page == 'C';
        const std::string flow = cap ? "Q" : "I";
        const std::string third = c.page == 'R' ? "P" : "U";
        const std::string total = std::string(1, c.page) + "T";
        // The source: the voltage across it and the current (charge) it drives.
        const double sv = c.voltage ? c.source : value("v(" + c.top + ")");
        const double si = c.voltage ? -value("i(" + c.sourceName + ")") : c.source;
        // Per element: its current (charge), voltage and power (energy).
        std::vector<std::array<double, 3>> rows;
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            const double i = value("@" + c.element[k] + "[i]");
            const double v = node(c.from[k]) - node(c.to[k]);
            rows.push_back({i, v, cap ? c.x[k] * v * v / 2 : v * i});
        }
        // The whole network: what the source drives and delivers; on the
        // capacitor page the stored energy, summed over the elements.
        double energy = 0;
        for (const auto& row : rows)
            energy += row[2];
        const std::array<double, 3> whole{si, sv, cap ? energy : sv * si};
        const std::string circuit =
            std::string(1, c.page) + " " + c.choices + (c.voltage ? " V" : " I");
        ASSERT_TRUE(c.afterTotal) << circuit << ": " << c.afterTotal.failure().text;
        ExpectTable(*c.afterTotal, whole, rows, 0, circuit + " after the total");
        for (std::size_t click = 0; click < c.clicks.size(); ++click) {
            const Shown& s = c.clicks[click];
            const std::string where = circuit + " click " + std::to_string(click + 1);
            ASSERT_TRUE(s.ok) << where << ": " << s.failure.text;
            Expect(s[total], cap ? si / sv : sv / si, where + " total");
            Expect(s[cap ? "SourceVoltage" : "Vsrc"], sv, where + " source voltage");
            Expect(s[cap ? "SourceCharge" : "Isrc"], si, where + " source flow");
            for (std::size_t k = 0; k < c.clicks.size(); ++k) {
                const std::string n = std::to_string(k + 1);
                Expect(s[flow + n], rows[k][0], where + " " + flow + n);
                Expect(s["V" + n], rows[k][1], where + " V" + n);
                Expect(s[third + n], rows[k][2], where + " " + third + n);
                ++checked;
            }
            ExpectTable(s.network, whole, rows, static_cast<int>(click + 1), where);
            // The labels show the clicked element's stored results.
            const std::string n = std::to_string(click + 1);
            EXPECT_EQ(s.values[0], FormatNumber(s[flow + n])) << where;
            EXPECT_EQ(s.values[1], FormatNumber(s["V" + n])) << where;
            EXPECT_EQ(s.values[2], FormatNumber(s[third + n])) << where;
        }
    }
    EXPECT_GT(checked, 500u);
}

// Inductors simulated as inductors (see the top of the file).
TEST(NetworkOracle, InductorPageAgreesWithNgspiceTransient) {
    if (!spice::Available())
        GTEST_SKIP() << "ngspice is not installed (tools/install-deps.sh --test)";
    std::mt19937 random(20261209u);
    std::vector<Circuit> circuits;
    for (const std::string& choices : Arrangements())
        for (bool voltage : {true, false})
            for (int round = 0; round < 2; ++round)
                circuits.push_back(Make('L', choices, voltage, random));

    constexpr double kRamp = 1e-6; // the current source reaches its value, then stays
    spice::Netlist net;
    std::vector<std::string> print{"time[last]"};
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        Circuit& c = circuits[i];
        ASSERT_TRUE(c.clicks[0].ok) << c.choices << ": " << c.clicks[0].failure.text;
        c.top = net.Node();
        const std::string id = std::to_string(i);
        c.sourceName = (c.voltage ? "V" : "I") + id;
        if (c.voltage)
            net.VoltageSource(c.sourceName, c.top, "0", c.source);
        else
            net.Line(c.sourceName + " 0 " + c.top + " PWL(0 0 " + spice::Number(kRamp) + " " +
                     spice::Number(c.source) + ")");
        net.Network(c.clicks[0].sketch, c.top, "0",
                    [&](const std::string& name, const std::string& a, const std::string& b) {
                        const auto k = static_cast<std::size_t>(name[1] - '1');
                        c.element[k] = "L" + id + "e" + name[1];
                        c.from[k] = a;
                        c.to[k] = b;
                        net.Inductor(c.element[k], a, b, c.x[k]);
                    });
        if (c.voltage) print.push_back("i(" + c.sourceName + ")[last]");
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            print.push_back("i(" + c.element[k] + ")[last]");
            for (const std::string& node : {c.from[k], c.to[k]})
                if (node != "0") print.push_back("v(" + node + ")[last]");
        }
    }
    // Inductors start without current (uic); the run ends well after the ramp.
    const std::vector<double> values =
        spice::Run(net, "tran 0.1u 10u 0 0.5u uic\nlet last = length(time) - 1", print);
    std::map<std::string, double> at;
    for (std::size_t i = 0; i < print.size(); ++i)
        at[print[i]] = values[i];
    const double time = at.at("time[last]");
    auto node = [&](const std::string& n) { return n == "0" ? 0.0 : at.at("v(" + n + ")[last]"); };

    std::size_t checked = 0;
    for (const Circuit& c : circuits) {
        const std::string circuit = "L " + c.choices + (c.voltage ? " V" : " I");
        std::vector<std::array<double, 3>> rows;
        double energy = 0;
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            const double i = at.at("i(" + c.element[k] + ")[last]");
            const double v = node(c.from[k]) - node(c.to[k]);
            if (c.voltage) {
                rows.push_back({i / time, v, NAN}); // the energy grows: no number
            } else {
                // What is left of the voltage the ramp induced.
                EXPECT_LT(std::fabs(v), 1e-6 * c.x[k] * c.source / kRamp) << circuit;
                rows.push_back({i, 0, c.x[k] * i * i / 2});
                energy += c.x[k] * i * i / 2;
            }
        }
        // With a steady current no voltage is left across the network.
        const std::array<double, 3> whole =
            c.voltage ? std::array<double, 3>{-at.at("i(" + c.sourceName + ")[last]") / time,
                                              c.source, NAN}
                      : std::array<double, 3>{c.source, 0, energy};
        ASSERT_TRUE(c.afterTotal) << circuit << ": " << c.afterTotal.failure().text;
        ExpectTable(*c.afterTotal, whole, rows, 0, circuit + " after the total");
        for (std::size_t click = 0; click < c.clicks.size(); ++click) {
            const Shown& s = c.clicks[click];
            const std::string where = circuit + " click " + std::to_string(click + 1);
            ASSERT_TRUE(s.ok) << where << ": " << s.failure.text;
            ExpectTable(s.network, whole, rows, static_cast<int>(click + 1), where);
            // The stored values hold the quantities their names say.
            for (std::size_t k = 0; k < c.clicks.size(); ++k) {
                const std::string n = std::to_string(k + 1);
                Expect(s["I" + n], c.voltage ? 0 : rows[k][0], where + " I" + n);
                Expect(s["dI" + n], c.voltage ? rows[k][0] : 0, where + " dI" + n);
                Expect(s["V" + n], rows[k][1], where + " V" + n);
                Expect(s["W" + n], c.voltage ? 0 : rows[k][2], where + " W" + n);
                ++checked;
            }
            Expect(s["Vsrc"], c.voltage ? c.source : 0, where + " Vsrc");
            Expect(s["Isrc"], c.voltage ? 0 : c.source, where + " Isrc");
            Expect(s["dIsrc"], c.voltage ? whole[0] : 0, where + " dIsrc");
            // The labels say what their numbers are.
            const std::string n = std::to_string(click + 1);
            const std::array<std::string, 3> names =
                c.voltage ? std::array<std::string, 3>{"dIl" + n + "/dt", "Vl" + n, "Wl" + n}
                          : std::array<std::string, 3>{"Il" + n, "Vl" + n, "Wl" + n};
            EXPECT_EQ(s.names, names) << where;
            EXPECT_EQ(s.units[0], c.voltage ? "A/s" : "A") << where;
            EXPECT_EQ(s.values[2], c.voltage ? "" : FormatNumber(s["W" + n])) << where;
        }
    }
    EXPECT_GT(checked, 300u);
}

} // namespace
} // namespace vora::calc
