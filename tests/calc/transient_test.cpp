// SPDX-License-Identifier: MIT
// Charging and discharging against ngspice's transient analysis: a pulse
// source switches each random R-C or R-L circuit at t = 0, and the voltages
// and the current at a random time must agree with the model.
#include "calc/transient/transient.h"
#include "support/spice.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vora::calc::transient {
namespace {

namespace spice = testing::spice;

TEST(Transient, ATextbookCharge) {
    const Inputs in{
        .circuit = Circuit::RC, .step = Step::Charge, .r = 10e3, .storage = 100e-6, .v = 12};
    EXPECT_DOUBLE_EQ(TimeConstant(in), 1);
    const State s = At(in, 1);
    EXPECT_NEAR(s.storageVoltage, 7.58545, 5e-6);
    EXPECT_NEAR(s.current, 0.441455e-3, 5e-10);
    EXPECT_NEAR(TimeToReach(in, 0.5), std::log(2.0), 1e-15);
    // Far beyond 5τ: the final state, every number finite.
    const State end = At(in, 1e308);
    EXPECT_EQ(end.storageVoltage, 12);
    EXPECT_EQ(end.current, 0);
    EXPECT_EQ(end.fraction, 1);
    // The curve is the model's own points, from 0 to 5τ.
    const auto curve = Curve(in, 51);
    ASSERT_EQ(curve.size(), 51u);
    EXPECT_EQ(curve.back().t, 5);
    for (const State& p : curve)
        EXPECT_EQ(p.storageVoltage, At(in, p.t).storageVoltage);
}

TEST(Transient, AgreesWithNgspice) {
    if (!spice::Available()) GTEST_SKIP() << "ngspice missing";
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> decade(-1, 1), unit(0, 1);
    for (int trial = 0; trial < 12; ++trial) {
        const Inputs in{.circuit = trial % 2 ? Circuit::RL : Circuit::RC,
                        .step = trial % 4 < 2 ? Step::Charge : Step::Discharge,
                        .r = 1e3 * std::pow(10, decade(random)),
                        .storage = (trial % 2 ? 1e-1 : 1e-6) * std::pow(10, decade(random)),
                        .v = 24 * (unit(random) - 0.3)};
        const double tau = TimeConstant(in), t = 3 * tau * unit(random);
        const double from = in.step == Step::Charge ? 0 : in.v, to = in.v - from;
        spice::Netlist net;
        const std::string a = net.Node(), b = net.Node();
        // Switched at t = 0 in a billionth of τ; before it the circuit rests
        // at its operating point.
        net.Line("V1 " + a + " 0 PULSE(" + spice::Number(from) + " " + spice::Number(to) + " 0 " +
                 spice::Number(tau * 1e-9) + " " + spice::Number(tau * 1e-9) + " " +
                 spice::Number(1e3 * tau) + " " + spice::Number(2e3 * tau) + ")");
        net.Resistor("R1", a, b, in.r);
        if (in.circuit == Circuit::RC)
            net.Capacitor("C1", b, "0", in.storage);
        else
            net.Inductor("L1", b, "0", in.storage);
        net.Line(".options reltol=1e-7 abstol=1e-15 vntol=1e-12");
        const std::string at = " at=" + spice::Number(t);
        const auto values = spice::Run(
            net,
            "tran " + spice::Number(tau / 2000) + " " + spice::Number(1.2 * t + tau * 1e-3) +
                " 0 " + spice::Number(tau / 2000) + "\nmeas tran vs find v(" + b + ")" + at +
                "\nmeas tran va find v(" + a + ")" + at + "\nmeas tran is find i(v1)" + at,
            {"vs", "va", "is"});
        const State s = At(in, t);
        // ngspice's measurements print seven digits.
        const double volts = 1e-4 * std::abs(in.v), amps = volts / in.r;
        EXPECT_NEAR(s.storageVoltage, values[0], volts) << trial;
        EXPECT_NEAR(s.resistorVoltage, values[1] - values[0], volts) << trial;
        EXPECT_NEAR(s.current, -values[2], amps) << trial;
    }
}

} // namespace
} // namespace vora::calc::transient
