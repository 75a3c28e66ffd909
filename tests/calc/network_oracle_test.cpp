// SPDX-License-Identifier: MIT
// Every total and per-element result of the three pages against ngspice, for
// random values in every arrangement with either source.
//
// ngspice solves resistor networks at DC, so each page's network is handed to
// it as resistors with equivalent values, following the page's law:
//   - resistors as they are;
//   - inductors as resistors of R = L: the page relates L·I to a voltage as a
//     resistance relates R·I, and adds inductances as resistances add;
//   - capacitors as resistors of R = 1/C (elastance): in series capacitors
//     share their charge and their voltages add, in parallel they share the
//     voltage and their charges add, exactly as currents and voltages of
//     resistors of 1/C do. The charge is then the resistor's current, and a
//     charge source a current source.
// The engine itself works differently (on the dual tree for capacitors), so
// agreement checks the physics, not a shared formula.
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
    std::vector<Shown> clicks; // one double-click per element of the network
    // The netlist's side.
    std::array<std::string, 4> element, from, to;
    std::string sourceName, top;
};

// Random values with units, one source, and the engine's answers.
Circuit Make(char page, const std::string& choices, bool voltage, std::mt19937& random) {
    Circuit c{page, choices, {}, voltage, 0, {}, {}, {}, {}, {}, {}};
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
    for (int k = 1; k <= n; ++k)
        c.clicks.push_back(Results(
            page, Click(e, k, voltage ? Source::Voltage : Source::Current, Text(c.source))));
    return c;
}

void Expect(double engine, double oracle, const std::string& what) {
    EXPECT_NEAR(engine, oracle, 1e-9 * std::fabs(oracle)) << what;
}

TEST(NetworkOracle, EveryArrangementAndSourceAgreesWithNgspice) {
    if (!spice::Available())
        GTEST_SKIP() << "ngspice is not installed (tools/install-deps.sh --test)";
    std::mt19937 random(20261216u);
    std::vector<Circuit> circuits;
    for (char page : {'R', 'C', 'L'})
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
        const std::string third = c.page == 'R' ? "P" : c.page == 'C' ? "U" : "W";
        const std::string total = std::string(1, c.page) + "T";
        // The source: the voltage across it and the current (charge) it drives.
        const double sv = c.voltage ? c.source : value("v(" + c.top + ")");
        const double si = c.voltage ? -value("i(" + c.sourceName + ")") : c.source;
        for (std::size_t click = 0; click < c.clicks.size(); ++click) {
            const Shown& s = c.clicks[click];
            const std::string where = std::string(1, c.page) + " " + c.choices +
                                      (c.voltage ? " V" : " I") + " click " +
                                      std::to_string(click + 1);
            ASSERT_TRUE(s.ok) << where << ": " << s.failure.text;
            Expect(s[total], cap ? si / sv : sv / si, where + " total");
            Expect(s[cap ? "SourceVoltage" : "Vsrc"], sv, where + " source voltage");
            Expect(s[cap ? "SourceCharge" : "Isrc"], si, where + " source flow");
            for (std::size_t k = 0; k < c.clicks.size(); ++k) {
                const std::string n = std::to_string(k + 1);
                const double i = value("@" + c.element[k] + "[i]");
                const double v = node(c.from[k]) - node(c.to[k]);
                Expect(s[flow + n], i, where + " " + flow + n);
                Expect(s["V" + n], v, where + " V" + n);
                Expect(s[third + n],
                       c.page == 'R' ? v * i
                       : cap         ? c.x[k] * v * v / 2
                                     : c.x[k] * i * i / 2,
                       where + " " + third + n);
                ++checked;
            }
            // The labels show the clicked element's stored results.
            const std::string n = std::to_string(click + 1);
            EXPECT_EQ(s.values[0], FormatNumber(s[flow + n])) << where;
            EXPECT_EQ(s.values[1], FormatNumber(s["V" + n])) << where;
            EXPECT_EQ(s.values[2], FormatNumber(s[third + n])) << where;
        }
    }
    EXPECT_GT(checked, 1000u);
}

} // namespace
} // namespace vora::calc
