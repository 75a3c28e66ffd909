// SPDX-License-Identifier: MIT
// The search for an input from a result, on circuits whose answers are known
// in closed form: the solutions come back to the last digits, every one of
// them, and nothing else (no jump over a pole taken for a root).
#include "calc/solve.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace vora::calc {
namespace {

double Parallel(double a, double b) {
    return a * b / (a + b);
}

bool Near(double a, double b, double relative) {
    return std::abs(a - b) <= relative * std::abs(b);
}

bool Holds(const std::vector<double>& values, double x, double relative) {
    return std::any_of(values.begin(), values.end(),
                       [&](double v) { return Near(v, x, relative); });
}

TEST(Solve, ProblemsPosedBackwards) {
    // R1 = 10 in series with R2 = 20 parallel R3; a total of 22 wants R3 = 30.
    const Solutions r3 = Solve([](double r) { return 10 + Parallel(20, r); }, 22);
    ASSERT_EQ(r3.values.size(), 1u);
    EXPECT_NEAR(r3.values[0], 30, 30e-14);

    // The capacitance that stores 5 mJ at 9 V.
    const Solutions c = Solve([](double c) { return c * 81 / 2; }, 5e-3);
    ASSERT_EQ(c.values.size(), 1u);
    EXPECT_NEAR(c.values[0], 123.456790123457e-6, 1e-18);

    // R 10, L 0.1 H in series with C at 50 Hz: a power factor of 1 is the
    // greatest it takes, touched at resonance only.
    const double w = 2 * std::numbers::pi * 50;
    const Solutions pf = Solve(
        [w](double c) { return 10 / std::abs(std::complex<double>(10, w * 0.1 - 1 / (w * c))); },
        1);
    ASSERT_EQ(pf.values.size(), 1u);
    EXPECT_NEAR(pf.values[0], 1 / (w * w * 0.1), 1e-12);
    EXPECT_NEAR(*pf.greatest, 1, 1e-15);
}

TEST(Solve, OutOfReachGivesTheRangeTheResultTakes) {
    // A parallel group stays below its smallest branch.
    const Solutions none = Solve([](double r) { return Parallel(20, r); }, 25);
    EXPECT_TRUE(none.values.empty());
    EXPECT_LT(*none.greatest, 20);
    EXPECT_GT(*none.greatest, 19.99);
    // A result that does not depend on the input: never a value.
    const Solutions flat = Solve([](double) { return 5.0; }, 6);
    EXPECT_TRUE(flat.values.empty());
    EXPECT_EQ(*flat.least, *flat.greatest);
    // A sign change through a pole is no root; an undefined stretch is skipped.
    EXPECT_TRUE(Solve([](double x) { return 1 / (x - 1); }, 0).values.empty());
    const Solutions half = Solve(
        [](double x) { return x < 1 ? std::nullopt : std::optional<double>(std::log(x)); }, 2);
    ASSERT_EQ(half.values.size(), 1u);
    EXPECT_NEAR(half.values[0], std::exp(2.0), 1e-14 * std::exp(2.0));
}

// Round trip over random series R-L-C circuits: |Z| as a function of C takes
// the values between R and |R + jωL| twice, below and above resonance, and both
// are found, however sharp the resonance; every value found gives the target.
TEST(Solve, EveryCapacitanceThatGivesAnImpedance) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> decade(-2, 3);
    int evaluations = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const double r = std::pow(10, decade(random) - 1), l = std::pow(10, decade(random) - 4);
        const double c0 = std::pow(10, decade(random) - 7), w = 2 * std::numbers::pi * 50;
        auto z = [&](double c) {
            ++evaluations;
            return std::abs(std::complex<double>(r, w * l - 1 / (w * c)));
        };
        const double target = z(c0);
        evaluations = 0;
        const Solutions found = Solve(z, target);
        EXPECT_LT(evaluations, 40000);
        EXPECT_TRUE(Holds(found.values, c0, 1e-12)) << trial << " c0 " << c0;
        const double resonance = 1 / (w * w * l);
        // Below resonance |Z| falls from infinity to R; above it, it rises
        // towards |R + jωL| as C grows without end.
        const double ceiling = std::abs(std::complex<double>(r, w * l));
        const bool twice = target > r * (1 + 1e-9) && target < ceiling * (1 - 1e-9);
        EXPECT_EQ(found.values.size(), twice ? 2u : 1u) << trial;
        for (double c : found.values) {
            EXPECT_TRUE(Near(z(c), target, 1e-12)) << trial;
            if (found.values.size() == 2) {
                EXPECT_EQ(c < resonance, c == found.values.front());
            }
        }
    }
}

} // namespace
} // namespace vora::calc
