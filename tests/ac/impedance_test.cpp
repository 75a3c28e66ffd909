// SPDX-License-Identifier: MIT
#include "ac_fixtures.h"
#include "calc/ac/impedance.h"
#include "calc/ac/scaled_read.h"
#include "calc/number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vora::calc {
namespace {

using namespace testing;

// Values stored before the click, so that what the click writes shows.
AcVars Previous() {
    AcVars v;
    v.Resistance = -1;
    v.Inductance = -2;
    v.Capacitance = -3;
    v.Impedance = 7.5;
    v.InductiveReactance = -4;
    v.CapacitiveReactance = -5;
    v.ParallelLC = -6;
    return v;
}

double Par(double a, double b) {
    return 1 / std::sqrt(1 / (a * a) + 1 / (b * b));
}

struct StateCase {
    const char* choices;
    double z;
    const char* reactances; // "", "XC" or "both"
};

// R = 100 ohm, L = 1 H, C = 10 µF in every connection state.
TEST(TotalImpedance, EveryConnectionStateGivesItsOutcomeAndStoresWhatItReads) {
    const double x = kXC * kXL / (kXC - kXL);
    const double dx = std::abs(kXL - kXC);
    const StateCase cases[] = {
        {"SSS", Zs(), "both"},
        {"SSP", std::hypot(kR, kXL), ""},
        {"SSN", std::hypot(kR, kXL), ""},
        {"SPS", kXL, ""},
        {"SPP", std::sqrt(kR * kR + x * x), "both"},
        {"SPN", kXL, ""},
        {"SNS", std::sqrt(kXC * kXC + kR * kR), "XC"},
        {"SNP", kXC, ""},
        {"SNN", kR, ""},
        {"PSS", dx * kR / std::sqrt(kR * kR + dx * dx), "both"},
        {"PSP", Par(kR, kXC), "XC"},
        {"PSN", kR, ""},
        {"PPS", Par(kR, kXL), ""},
        {"PPP", Zp(), "both"},
        {"PPN", Par(kR, kXL), ""},
        {"PNS", kR, ""},
        {"PNP", Par(kR, kXC), "XC"},
        {"PNN", kR, ""},
        {"NSS", dx, "both"},
        {"NSP", kXC, ""},
        {"NSN", kXL, ""},
        {"NPS", kXL, ""},
        {"NPP", 1 / std::abs(1 / kXL - 1 / kXC), "both"},
        {"NPN", kXL, ""},
        {"NNS", kXC, ""},
        {"NNP", kXC, ""},
        {"NNN", 7.5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices);
        const auto run = TotalImpedance(Entries(c.choices), Previous());
        ASSERT_TRUE(run.result);
        const AcVars& v = run.result->vars;
        EXPECT_NEAR(v.Impedance, c.z, 1e-9 * c.z);
        EXPECT_EQ(run.result->label, FormatNumber(v.Impedance));
        for (const auto& step : run.steps)
            EXPECT_EQ(step.kind, ImpedanceStep::Kind::Label);

        const std::string ch = c.choices;
        EXPECT_EQ(v.Resistance, ch[0] != 'N' ? kR : -1);
        EXPECT_EQ(v.Inductance, ch[1] != 'N' ? 1 : -2);
        EXPECT_EQ(v.Capacitance, ch[2] != 'N' ? kC : -3);
        const std::string stored = c.reactances;
        EXPECT_EQ(v.InductiveReactance, stored == "both" ? kXL : -4);
        EXPECT_EQ(v.CapacitiveReactance, stored.empty() ? -5 : kXC);
        if (ch == "SPP")
            EXPECT_NEAR(v.ParallelLC, x, 1e-9 * std::abs(x));
        else
            EXPECT_EQ(v.ParallelLC, -6);
    }
}

TEST(TotalImpedance, EachBlockShowsItsImpedanceAsItGoes) {
    // S S P: blocks A, B, C and D write; E to G read but have no formula.
    const auto run = TotalImpedance(Entries("SSP"), AcVars{});
    ASSERT_TRUE(run.result);
    ASSERT_EQ(run.steps.size(), 4u);
    EXPECT_EQ(run.steps[0].label, "100");
    EXPECT_EQ(run.steps[1].label, "314");
    EXPECT_EQ(run.steps[2].label, FormatNumber(kXC * 1.0));
    EXPECT_EQ(run.steps[3].label, FormatNumber(std::sqrt(kR * kR + kXL * kXL)));
}

// L = 10.14239928597509 H and C = 1 µF give exactly equal reactances.
TEST(TotalImpedance, EqualParallelReactancesShowTheInfinityMessageThenZero) {
    const char* l = "10.14239928597509";
    struct Case {
        const char* choices;
        int messages;
    };
    for (const Case c : {Case{"NPP", 1}, Case{"SPP", 2}, Case{"PPP", 1}}) {
        SCOPED_TRACE(c.choices);
        AcVars before;
        before.ParallelLC = 9;
        const auto run = TotalImpedance(Entries(c.choices, "100", l, "1"), before);
        ASSERT_TRUE(run.result);
        int messages = 0;
        for (std::size_t i = 0; i < run.steps.size(); ++i) {
            if (run.steps[i].kind != ImpedanceStep::Kind::Infinity) continue;
            ++messages;
            ASSERT_LT(i + 1, run.steps.size());
            EXPECT_EQ(run.steps[i + 1].label, "0"); // shown right after the message
        }
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(run.result->vars.Impedance, 0);
        EXPECT_EQ(run.result->label, "0");
        EXPECT_EQ(run.result->vars.ParallelLC, 9); // never computed
    }
    // The series pair has no message.
    const auto series = TotalImpedance(Entries("NSS", "100", l, "1"), AcVars{});
    ASSERT_TRUE(series.result);
    EXPECT_EQ(series.result->vars.Impedance, 0);
    EXPECT_EQ(series.steps.size(), 3u);
}

TEST(TotalImpedance, ParallelRWithSeriesLCIsNeverNegative) {
    // XC > XL here, which the raw difference would make negative.
    const auto run = TotalImpedance(Entries("PSS"), AcVars{});
    ASSERT_TRUE(run.result);
    EXPECT_GT(run.result->vars.Impedance, 0);
    EXPECT_NE(run.result->label.front(), '-');
}

TEST(TotalImpedance, AllParallelUsesTheMagnitudeOfTheParallelCircuit) {
    const auto run = TotalImpedance(Entries("PPP"), AcVars{});
    ASSERT_TRUE(run.result);
    EXPECT_NEAR(run.result->vars.Impedance, 99.99, 0.01);
}

// The label is shown in the chosen unit; the stored impedance stays in ohms,
// however often the button is clicked.
TEST(TotalImpedance, UnitOfTheTotalScalesOnlyTheLabel) {
    struct Case {
        int unit;
        const char* label;
    };
    for (const Case c : {Case{0, "1500"}, Case{1, "1.5"}, Case{2, "0.0015"}, Case{-1, "1500"}}) {
        SCOPED_TRACE(c.unit);
        auto entries = Entries("SNN", "1.5", "1", "10");
        entries.resistor.position = 1; // KOhm
        entries.impedanceUnit = c.unit;
        auto run = TotalImpedance(entries, AcVars{});
        ASSERT_TRUE(run.result);
        EXPECT_EQ(run.result->label, c.label);
        EXPECT_EQ(run.result->vars.Impedance, 1500);

        entries.choices = ChoicesFrom<3>("NNN");
        for (int again = 0; again < 3; ++again) {
            run = TotalImpedance(entries, run.result->vars);
            ASSERT_TRUE(run.result);
            EXPECT_EQ(run.result->label, c.label);
            EXPECT_EQ(run.result->vars.Impedance, 1500);
        }
    }
}

TEST(TotalImpedance, NothingChosenReadsNoField) {
    AcVars before;
    before.Impedance = 42;
    const auto run = TotalImpedance(Entries("NNN", "abc", "", "x"), before);
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->label, "42");
    EXPECT_EQ(run.result->vars, before);
}

struct BadCase {
    const char* choices;
    const char* r;
    const char* l;
    const char* c;
    const char* field;
    int rUnit = 0;
};

// Each failure names the field to correct, and no values come back.
TEST(TotalImpedance, UnusableEntriesFailNamingTheField) {
    const BadCase cases[] = {
        {"SNN", "abc", "1", "10", "txtR1"},      // not a number with a unit selected
        {"NSN", "1", "", "10", "txtXL"},         // empty
        {"NNS", "1", "1", "0", "txtXC"},         // zero capacitor under 1 / (C · 314)
        {"SSP", "1", "1", "0", "txtXC"},         // even where the result ignores C
        {"PPN", "0", "1", "10", "txtR1"},        // 1 / R
        {"PPN", "100", "0", "10", "txtXL"},      // 1 / XL
        {"NPP", "100", "0", "10", "txtXL"},      // 1 / XL in block F
        {"NNS", "1", "1", "-10", "txtXC"},       // square root of a negative reactance
        {"SNN", "1E308", "1", "10", "txtR1", 2}, // too large in MOhm
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices + std::string(" ") + c.field);
        auto entries = Entries(c.choices, c.r, c.l, c.c);
        entries.resistor.position = c.rUnit;
        const auto run = TotalImpedance(entries, AcVars{});
        ASSERT_FALSE(run.result);
        EXPECT_EQ(run.result.failure().field, c.field);
        EXPECT_FALSE(run.result.failure().text.empty());
    }
    // A resistor value in a typed unit is read up to its first non-digit.
    auto typed = Entries("SNN", "3abc");
    typed.resistor.position = -1;
    const auto run = TotalImpedance(typed, AcVars{});
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->vars.Resistance, 3);
}

struct ReadCase {
    const char* text;
    int position;
    int base;
    const Multipliers* units;
    double value;
};

TEST(ScaledRead, ScalesByThePositionFromItsBase) {
    const ReadCase cases[] = {
        {"2.5", 1, 0, &kInductorUnits, 0.0025},
        {"2.5", 2, 0, &kInductorUnits, 0.0000025},
        {"2.5", 1, 0, &kCapacitorUnits, 0.0000025},
        {"2.5", 2, 0, &kCapacitorUnits, 0.0000000025},
        {"3", 1, 0, &kResistorUnits, 3000},
        {"3", 2, 0, &kResistorUnits, 3000000},
        {"3", -1, 0, &kResistorUnits, 3},
        {"3abc", -1, 0, &kResistorUnits, 3},
        {" 5 ", 1, kCurrentBase, &kSourceUnits, 0.005}, // mA
        {"5", 2, kCurrentBase, &kSourceUnits, 5000},    // KA
        {"10", 5, kVoltageBase, &kSourceUnits, 10000},  // KV
        {"10", 4, kVoltageBase, &kSourceUnits, 0.01},   // mV
        {"10", 3, kCurrentBase, &kSourceUnits, 10},     // a voltage unit for a current
        {"10", 1, kVoltageBase, &kSourceUnits, 10},     // and the other way round
        {"abc", 4, kCurrentBase, &kSourceUnits, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.position));
        const auto out = Attempt([&] {
            return ScaledRead({c.text, "f", "F"}, c.position, c.base, *c.units);
        });
        ASSERT_TRUE(out);
        EXPECT_DOUBLE_EQ(*out, c.value);
    }
    const auto strict = Attempt([] {
        return ScaledRead({"3abc", "f", "F"}, -1, 0, kSourceUnits, FirstStep::Strict);
    });
    EXPECT_FALSE(strict);
}

} // namespace
} // namespace vora::calc
