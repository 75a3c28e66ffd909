// SPDX-License-Identifier: MIT
// The AC page against ngspice: random element values in every connection
// state that describes a circuit, with a voltage and with a current source,
// at the page's opening 314 rad/s and at random supply frequencies typed in
// Hz, kHz and rad/s, solved in one ngspice run per frequency.
#include "calc/ac/ac_circuit.h"
#include "calc/ac/ac_events.h"
#include "calc/number.h"
#include "support/ac_fixtures.h"
#include "support/ngspice_ac.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <random>

namespace vora::calc {
namespace {

using namespace testing;
using vora::testing::Phasor;
using vora::testing::SpiceCircuit;
using vora::testing::SpiceFlow;
using vora::testing::SpiceResult;

constexpr int kDrawsPerState = 4; // at each frequency

struct Case {
    std::string choices; // "SPN"
    std::array<double, 3> values;
    bool voltage;
    double source;
    double omega; // rad/s, from the frequency as typed
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
    const Sketch r = Element("R", ElementSymbol::Resistor),
                 l = Element("L", ElementSymbol::Inductor),
                 c = Element("C", ElementSymbol::Capacitor);
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

// A supply frequency as the user types it: the text, the position of cboF
// (Hz, kHz, rad/s) and the angular frequency it means.
struct Supply {
    std::string text;
    int unit;
    double omega;
};

std::vector<Supply> Supplies(std::mt19937& random) {
    const double hz = LogUniform(random, 1, 1e5), khz = LogUniform(random, 1e-3, 100),
                 rad = LogUniform(random, 10, 1e6);
    return {{"314", 2, AngularFrequency},
            {Text(hz), 0, 2 * std::numbers::pi * ParseStrict(Text(hz)).value},
            {Text(khz), 1, 2 * std::numbers::pi * (ParseStrict(Text(khz)).value * 1000)},
            {Text(rad), 2, ParseStrict(Text(rad)).value}};
}

// Built and simulated once for the whole test program.
const Batch& TheBatch() {
    static const Batch batch = [] {
        Batch b;
        std::mt19937 random(20261209u);
        for (const Supply& supply : Supplies(random)) {
            std::vector<SpiceCircuit> circuits;
            for (const auto& [state, sketch] : Circuits())
                for (bool voltage : {true, false})
                    for (int draw = 0; draw < kDrawsPerState; ++draw) {
                        Case c{state,
                               {LogUniform(random, 1, 1e4), LogUniform(random, 1e-3, 10),
                                LogUniform(random, 1e-7, 1e-3)},
                               voltage,
                               voltage ? LogUniform(random, 0.1, 1000)
                                       : LogUniform(random, 1e-3, 50),
                               supply.omega,
                               {},
                               {},
                               {}};
                        c.in = Inputs(state.c_str(),
                                      {Text(c.values[0]), Text(c.values[1]), Text(c.values[2])},
                                      voltage ? Source::Voltage : Source::Current, Text(c.source));
                        c.in.frequency.field.text = supply.text;
                        c.in.frequency.position = supply.unit;
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
            for (SpiceResult& r : vora::testing::RunAc(circuits, supply.omega))
                b.spice.push_back(std::move(r));
        }
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
    return out ? ParseStrict(Main(*out)).value : NAN;
}

std::string Trace(const Case& c) {
    return c.choices + " at " + Text(c.omega) + " rad/s" + (c.voltage ? " voltage " : " current ") +
           Text(c.source) + ", R " + Text(c.values[0]) + ", L " + Text(c.values[1]) + ", C " +
           Text(c.values[2]);
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
            EXPECT_NEAR(ParseStrict(Main(*shown)).value, std::abs(flow.current), 1e-9 * currents);
            EXPECT_NEAR(ParseStrict(Second(*shown)).value, std::abs(flow.voltage), 1e-9 * voltages);
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
            const double xl = c.values[1] * c.omega, xc = 1 / (c.values[2] * c.omega);
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
        EXPECT_NEAR(ParseStrict(Main(*pf)).value, p / s, 1e-9);
        if (Second(*pf) != "Unit") {
            EXPECT_EQ(Second(*pf), q > 0 ? "Lagging" : "Leading");
        }
    }
}

// At the f0 the page finds, ngspice has the series R + L + C and the
// parallel R ∥ L ∥ C in phase with the source, and the Q the page finds is
// the magnification there: |VL| / |V| in series, |IL| / |I| in parallel.
TEST(AcOracle, ResonanceAndQAgreeWithNgspice) {
    std::mt19937 random(20261210u);
    std::vector<SpiceCircuit> circuits;
    std::vector<std::pair<std::string, double>> found; // state, Q
    std::vector<double> omegas;
    for (const char* state : {"SSS", "PPP"})
        for (int draw = 0; draw < 6; ++draw) {
            const std::array<double, 3> v{LogUniform(random, 1, 1e4), LogUniform(random, 1e-3, 10),
                                          LogUniform(random, 1e-7, 1e-3)};
            AcInputs in = Inputs(state, {Text(v[0]), Text(v[1]), Text(v[2])});
            const auto total = TotalImpedance(in, {});
            ASSERT_TRUE(total && ValueOf(*total, AcLabel::W0) && ValueOf(*total, AcLabel::Q))
                << state;
            const double w0 = *ValueOf(*total, AcLabel::W0);
            EXPECT_NEAR(*ValueOf(*total, AcLabel::F0), w0 / (2 * std::numbers::pi), 1e-12 * w0);
            found.emplace_back(state, *ValueOf(*total, AcLabel::Q));
            omegas.push_back(w0);
            circuits.push_back({Circuits().at(state),
                                {{"R", v[0]}, {"L", v[1]}, {"C", v[2]}},
                                state[0] == 'S',
                                1});
        }
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        const SpiceResult r = vora::testing::RunAc({circuits[i]}, omegas[i]).front();
        const auto& [state, q] = found[i];
        SCOPED_TRACE(state + " Q " + Text(q));
        EXPECT_NEAR(std::arg(r.voltage / r.current), 0, 1e-6);
        const SpiceFlow& l = r.elements.at("L");
        const double magnification = state == "SSS" ? std::abs(l.voltage) / std::abs(r.voltage)
                                                    : std::abs(l.current) / std::abs(r.current);
        EXPECT_NEAR(magnification, q, 1e-6 * q);
    }
}

} // namespace
} // namespace vora::calc
