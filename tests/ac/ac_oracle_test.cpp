// SPDX-License-Identifier: MIT
// The AC page against ngspice: random element values in every connection
// state that describes a circuit, with a voltage and with a current source,
// all solved in one ngspice run (AC analysis at 314 rad/s).
#include "support/ac_fixtures.h"
#include "calc/ac/ac_circuit.h"
#include "calc/ac/ac_events.h"
#include "calc/number.h"
#include "support/ngspice_ac.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace vora::calc {
namespace {

using namespace testing;
using vora::testing::Phasor;
using vora::testing::SpiceCircuit;
using vora::testing::SpiceResult;

constexpr int kDrawsPerState = 8;

struct Case {
    std::string choices; // "SPN"
    std::array<double, 3> values;
    bool voltage;
    double source;
    AcInputs in;
    ac::Circuit circuit;
    ac::Solution solution;
};

double LogUniform(std::mt19937& random, double low, double high) {
    std::uniform_real_distribution<double> u(std::log(low), std::log(high));
    return std::exp(u(random));
}

// The circuit of every pattern that describes one, written out here so that
// the oracle does not share the page's reading of the choices.
const std::map<std::string, Sketch>& Circuits() {
    const Sketch r = Element("R"), l = Element("L"), c = Element("C");
    static const std::map<std::string, Sketch> circuits{
        {"SSS", Series({r, l, c})},
        {"PPP", Parallel({r, l, c})},
        {"SPP", Series({r, Parallel({l, c})})},
        {"PSS", Parallel({r, Series({l, c})})},
        {"SSP", Parallel({Series({r, l}), c})},
        {"PSP", Series({l, Parallel({r, c})})},
        {"PPS", Series({Parallel({r, l}), c})},
        {"SPS", Parallel({Series({r, c}), l})},
        {"SSN", Series({r, l})},
        {"PPN", Parallel({r, l})},
        {"SNS", Series({r, c})},
        {"PNP", Parallel({r, c})},
        {"NSS", Series({l, c})},
        {"NPP", Parallel({l, c})},
        {"SNN", r},
        {"PNN", r},
        {"NSN", l},
        {"NPN", l},
        {"NNS", c},
        {"NNP", c},
    };
    return circuits;
}

struct Batch {
    std::vector<Case> cases;
    std::vector<SpiceResult> spice;
};

// Built and simulated once for the whole test program.
const Batch& TheBatch() {
    static const Batch batch = [] {
        Batch b;
        std::mt19937 random(20261209u);
        std::vector<SpiceCircuit> circuits;
        for (const auto& [state, sketch] : Circuits())
            for (bool voltage : {true, false})
                for (int draw = 0; draw < kDrawsPerState; ++draw) {
                    Case c{
                        state,
                        {LogUniform(random, 1, 1e4), LogUniform(random, 1e-3, 10), LogUniform(random, 1e-7, 1e-3)},
                        voltage,
                        voltage ? LogUniform(random, 0.1, 1000) : LogUniform(random, 1e-3, 50),
                        {},
                        {},
                        {}};
                    c.in = Inputs(state.c_str(),
                                  {Text(c.values[0]), Text(c.values[1]), Text(c.values[2])},
                                  voltage ? Source::Voltage : Source::Current, Text(c.source));
                    AcVars vars;
                    Working working;
                    c.circuit = ac::ReadCircuit(c.in, vars, working);
                    c.solution = ac::SolveCircuit(c.circuit,
                                                  voltage ? network::SourceKind::Voltage
                                                          : network::SourceKind::Current,
                                                  c.source);
                    SpiceCircuit s{sketch,
                                   {{"R", c.values[0]}, {"L", c.values[1]}, {"C", c.values[2]}},
                                   voltage,
                                   c.source};
                    circuits.push_back(s);
                    b.cases.push_back(std::move(c));
                }
        b.spice = vora::testing::RunAc(circuits, AngularFrequency);
        return b;
    }();
    return batch;
}

// Within 1e-9 of the larger of the oracle's value and `scale`, the size of
// the quantities of that kind in the circuit.
void ExpectNear(Phasor ours, Phasor oracle, double scale, const std::string& what) {
    EXPECT_LE(std::abs(ours - oracle), 1e-9 * std::max(std::abs(oracle), scale))
        << what << ": ours " << ours << ", ngspice " << oracle;
}

double Shown(const Outcome<AcShown>& out) {
    EXPECT_TRUE(out) << (out ? "" : out.failure().text);
    return out ? ParseStrict(out->value).value : NAN;
}

std::string Trace(const Case& c) {
    return c.choices + (c.voltage ? " voltage " : " current ") + Text(c.source) + ", R " +
           Text(c.values[0]) + ", L " + Text(c.values[1]) + ", C " + Text(c.values[2]);
}

TEST(AcOracle, ImpedanceAndEveryElementAgreeWithNgspice) {
    const Batch& b = TheBatch();
    for (std::size_t i = 0; i < b.cases.size(); ++i) {
        const Case& c = b.cases[i];
        const SpiceResult& spice = b.spice[i];
        SCOPED_TRACE(Trace(c));
        double currents = std::abs(spice.current), voltages = std::abs(spice.voltage);
        for (const auto& [name, flow] : spice.elements) {
            currents = std::max(currents, std::abs(flow.current));
            voltages = std::max(voltages, std::abs(flow.voltage));
        }
        ExpectNear(c.solution.current, spice.current, currents, "source current");
        ExpectNear(c.solution.voltage, spice.voltage, voltages, "source voltage");
        const double z = std::abs(spice.voltage / spice.current);
        EXPECT_NEAR(Shown(TotalImpedance(c.in, {})), z, 1e-9 * z);

        for (const auto& [name, flow] : spice.elements) {
            const ac::Flow& ours = c.solution.flows.at(name);
            ExpectNear(ours.current, flow.current, currents, "current of " + name);
            ExpectNear(ours.voltage, flow.voltage, voltages, "voltage of " + name);
            // What the double-click shows: the magnitudes.
            const auto shown = ElementResults(static_cast<AcElement>(ac::IndexOf(name)), c.in, {});
            ASSERT_TRUE(shown);
            EXPECT_NEAR(ParseStrict(shown->value).value, std::abs(flow.current), 1e-9 * currents);
            EXPECT_NEAR(ParseStrict(shown->second).value, std::abs(flow.voltage), 1e-9 * voltages);
        }
    }
}

// S = |V| · |I|, P = Σ I²R (the resistor's losses), Q = Σ I²XL − Σ I²XC (the
// reactive power the elements exchange), with the oracle's currents; and
// S² = P² + Q² among the figures the page shows.
TEST(AcOracle, PowersKeepTheirIdentities) {
    const Batch& b = TheBatch();
    for (std::size_t i = 0; i < b.cases.size(); ++i) {
        const Case& c = b.cases[i];
        const SpiceResult& spice = b.spice[i];
        SCOPED_TRACE(Trace(c));
        const double p = Shown(ActivePower(c.in, {}));
        const double q = Shown(ReactivePower(c.in, {}));
        const double s = Shown(ApparentPower(c.in, {}));
        const double sOracle = std::abs(spice.voltage) * std::abs(spice.current);
        EXPECT_NEAR(s, sOracle, 1e-9 * sOracle);
        double losses = 0, exchanged = 0;
        for (const auto& [name, flow] : spice.elements) {
            const double i2 = std::norm(flow.current);
            const double xl = c.values[1] * AngularFrequency,
                         xc = 1 / (c.values[2] * AngularFrequency);
            if (name == "R") losses += i2 * c.values[0];
            if (name == "L") exchanged += i2 * xl;
            if (name == "C") exchanged -= i2 * xc;
        }
        EXPECT_NEAR(p, losses, 1e-9 * sOracle);
        EXPECT_NEAR(q, exchanged, 1e-9 * sOracle);
        EXPECT_NEAR(s * s, p * p + q * q, 1e-12 * s * s);
        // The power factor is P / S, lagging exactly when Q > 0.
        const auto pf = PowerFactor(c.in, {});
        ASSERT_TRUE(pf);
        EXPECT_NEAR(ParseStrict(pf->value).value, p / s, 1e-9);
        if (pf->second != "Unit") {
            EXPECT_EQ(pf->second, q > 0 ? "Lagging" : "Leading");
        }
    }
}

} // namespace
} // namespace vora::calc
