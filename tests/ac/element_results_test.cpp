// SPDX-License-Identifier: MIT
#include "ac_fixtures.h"
#include "calc/ac/element_results.h"
#include "calc/number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vora::calc {
namespace {

using namespace testing;

constexpr double kStoredZ = 55;
constexpr double kStoredX = 7; // ParallelLC left by an earlier click
constexpr double kV = 10;      // typed with "V" selected
constexpr double kI = 5;       // typed with "A" selected

AcVars Before() {
    AcVars v = Stored(kStoredZ);
    v.ParallelLC = kStoredX;
    return v;
}

AcSource Voltage(const char* choices) {
    return SourceOf(choices, Source::Voltage, "10", 3);
}
AcSource Current(const char* choices) {
    return SourceOf(choices, Source::Current, "5", 0);
}

struct Case {
    const char* name;
    AcElement element;
    Choice option;
    const char* choices;
    bool voltage;
    double current, voltageShown; // lblIV, lblVV
};

TEST(ElementResults, EveryBlockOfTheSixOptionsWithBothSources) {
    const auto R = AcElement::Resistor;
    const auto L = AcElement::Inductor;
    const auto C = AcElement::Capacitor;
    const auto S = Choice::Series;
    const auto P = Choice::Parallel;
    const double t = (kXC - kXL) / (kXL * kXC);
    const double zt = std::sqrt(kR * kR + t * t);
    const double zx = std::sqrt(kR * kR + kStoredX * kStoredX);
    const double vl = kV * kXL / std::hypot(kXL, kR);
    const double vlc = zx * kI * kXL / std::hypot(kXL, kR);
    const double vc = kV * kXC / std::hypot(kXC, kR);
    const double vcc = zx * kI * kXC / std::hypot(kXC, kR);
    const Case cases[] = {
        {"R s 1 V", R, S, "SSS", true, kV / Zs(), kV / Zs() * kR},
        {"R s 1 I", R, S, "SSS", false, kI, kI * kR},
        {"R s 2 V", R, S, "SPP", true, kV / zt, kV / zt * kR},
        {"R s 2 I", R, S, "SPP", false, kI, kI * kR},
        {"R p 1 V", R, P, "PPP", true, kV / kR, kV},
        {"R p 1 I", R, P, "PPP", false, Zp() * kI / kR, Zp() * kI},
        {"L s 1 V", L, S, "SSS", true, kV / Zs(), kV / Zs() * kXL},
        {"L s 1 I", L, S, "SSS", false, kI, kI * kXL},
        {"L p 1 V", L, P, "PPP", true, kV / kXL, kV},
        {"L p 1 I", L, P, "PPP", false, Zp() * kI / kXL, Zp() * kI},
        {"L p 2 V", L, P, "SPP", true, vl / kXL, vl},
        {"L p 2 I", L, P, "SPP", false, vlc / kXL, vlc},
        {"C s 1 V", C, S, "SSS", true, kV / Zs(), kV / Zs() * kXC},
        {"C s 1 I", C, S, "SSS", false, kI, kI * kXC},
        {"C p 1 V", C, P, "PPP", true, kV / kXC, kV},
        {"C p 1 I", C, P, "PPP", false, Zp() * kI / kXC, Zp() * kI},
        {"C p 2 V", C, P, "SPP", true, vc / kXC, vc},
        {"C p 2 I", C, P, "SPP", false, vcc / kXC, vcc},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto out = ElementResults(
            c.element, c.option, c.voltage ? Voltage(c.choices) : Current(c.choices), Before());
        ASSERT_TRUE(out);
        EXPECT_NEAR(ParseStrict(out->values[0]).value, c.current, 1e-12 * c.current);
        EXPECT_NEAR(ParseStrict(out->values[1]).value, c.voltageShown, 1e-12 * c.voltageShown);
    }
}

TEST(ElementResults, NamesTheElementAndShowsStoredValuesWhenNoBlockApplies) {
    AcVars v = Before();
    v.ResistorCurrent = 1, v.ResistorVoltage = 2;
    v.InductorCurrent = 3, v.InductorVoltage = 4;
    v.CapacitorCurrent = 5, v.CapacitorVoltage = 6;
    v.TotalCurrent = 7;
    struct Named {
        AcElement element;
        Choice option;
        const char* i;
        const char* u;
        const char* iv;
        const char* vv;
    };
    const Named cases[] = {
        {AcElement::Resistor, Choice::Series, "Ir", "Vr", "1", "2"},
        {AcElement::Resistor, Choice::Parallel, "Ir", "Vr", "1", "2"},
        {AcElement::Inductor, Choice::Series, "Il", "Vl", "3", "4"},
        {AcElement::Inductor, Choice::Parallel, "Il", "Vl", "3", "4"},
        {AcElement::Capacitor, Choice::Series, "Ic", "Vc", "7", "6"}, // the circuit current
        {AcElement::Capacitor, Choice::Parallel, "Ic", "Vc", "5", "6"},
    };
    for (const auto& c : cases) {
        // S N P is covered by no block; no source chosen reads nothing.
        const auto out = ElementResults(c.element, c.option, SourceOf("SNP", Source::None, "9"), v);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->names[0], c.i);
        EXPECT_EQ(out->names[1], c.u);
        EXPECT_EQ(out->values[0], c.iv);
        EXPECT_EQ(out->values[1], c.vv);
        EXPECT_EQ(out->vars, v);
    }
}

TEST(ElementResults, TheSourceIsScaledByItsUnit) {
    // All series, R = 100, XL = 314, XC ≈ 318.47 stored: about 10 / 100.1.
    auto out = ElementResults(AcElement::Resistor, Choice::Series, Voltage("SSS"), Before());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->names[0], "Ir");
    EXPECT_NEAR(out->vars.ResistorCurrent, 0.0999, 0.0001);
    EXPECT_NEAR(out->vars.ResistorVoltage, 9.99, 0.01);

    out = ElementResults(AcElement::Resistor, Choice::Series,
                         SourceOf("SSS", Source::Voltage, "10", 5), Before()); // KV
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalVoltage, 10000);

    out = ElementResults(AcElement::Resistor, Choice::Series,
                         SourceOf("SSS", Source::Current, "5", 1), Before()); // mA
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalCurrent, 0.005);

    // The inductor's Parallel option in R S, L P, C P reads the current
    // again without its unit.
    out = ElementResults(AcElement::Inductor, Choice::Parallel,
                         SourceOf("SPP", Source::Current, "5", 1), Before());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalCurrent, 5);

    // No source chosen: the stored quantities and the current branch.
    AcVars v = Before();
    v.TotalCurrent = 2;
    v.TotalVoltage = 999;
    out =
        ElementResults(AcElement::Inductor, Choice::Series, SourceOf("SSS", Source::None, "5"), v);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.InductorCurrent, 2);
    EXPECT_NEAR(out->vars.TotalVoltage, Zs() * 2, 1e-12);
}

TEST(ElementResults, UnusableSourceOrZeroDivisorFails) {
    struct Bad {
        const char* name;
        AcElement element;
        Choice option;
        AcSource source;
        const char* field;
        double AcVars::*zero;
    };
    const Bad cases[] = {
        {"scaled", AcElement::Resistor, Choice::Series, SourceOf("SSS", Source::Voltage, "10V", 3),
         "txtIV", nullptr},
        {"strict first step", AcElement::Resistor, Choice::Parallel,
         SourceOf("PPP", Source::Current, "5 A", -1), "txtIV", nullptr},
        {"strict reread", AcElement::Inductor, Choice::Parallel,
         SourceOf("SPP", Source::Current, "5A", -1), "txtIV", nullptr},
        {"zero R", AcElement::Resistor, Choice::Parallel, Voltage("PPP"), "txtR1",
         &AcVars::Resistance},
        {"zero XL", AcElement::Inductor, Choice::Parallel, Voltage("PPP"), "txtXL",
         &AcVars::InductiveReactance},
        {"zero XC", AcElement::Capacitor, Choice::Parallel, Voltage("SPP"), "txtXC",
         &AcVars::CapacitiveReactance},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AcVars v = Before();
        if (c.zero) v.*c.zero = 0;
        const auto out = ElementResults(c.element, c.option, c.source, v);
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().field, c.field);
    }
    // Elsewhere a typed unit leaves the leading number.
    const auto out = ElementResults(AcElement::Resistor, Choice::Series,
                                    SourceOf("SSS", Source::Current, "5 A", -1), Before());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.TotalCurrent, 5);
}

} // namespace
} // namespace vora::calc
