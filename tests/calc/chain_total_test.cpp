// SPDX-License-Identifier: MIT
#include "calc/chain_total.h"
#include "chain_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vora::calc {
namespace {

using testing::Entries;
using testing::Standard;

double Par(std::initializer_list<double> rs) {
    double g = 0;
    for (double r : rs) g += 1 / r;
    return 1 / g;
}

constexpr double kPrevious = 7.5; // the total stored before the click

struct PatternCase {
    const char* choices;
    double total;
};

// Every leading run of the four resistors against the total of the network as
// an engineer would draw it (R1..R4 = 10, 20, 30, 40 ohm).
TEST(TotalResistance, EveryPatternGivesTheTotalOfItsNetwork) {
    const PatternCase cases[] = {
        {"----", kPrevious}, {"-SSS", kPrevious},
        {"S---", 10}, {"P---", kPrevious},
        {"SS--", 30}, {"SP--", 10}, {"PS--", kPrevious}, {"PP--", Par({10, 20})},
        {"SSS-", 60}, {"SSP-", 60}, {"SPS-", 10}, {"SPP-", 10 + Par({20, 30})},
        {"PSS-", Par({10, 50})}, {"PSP-", kPrevious}, {"PPS-", Par({10, 20})},
        {"PPP-", Par({10, 20, 30})},
        {"S-SS", 10}, {"SS-P", 30},
        {"SSSS", 100}, {"SSSP", 100},
        {"SSPS", 30 + Par({30, 40})}, {"SSPP", 30 + Par({30, 40})},
        {"SPSS", 10 + Par({20, 70})}, {"SPSP", 10 + Par({20, 70})},
        {"SPPS", 10 + Par({20, 30, 40})}, {"SPPP", 10 + Par({20, 30, 40})},
        {"PSSS", Par({10, 90})}, {"PSSP", Par({10, 90})},
        {"PSPS", Par({10, 20 + Par({30, 40})})}, {"PSPP", Par({10, 20 + Par({30, 40})})},
        {"PPSS", Par({10, 20, 70})}, {"PPSP", Par({10, 20, 70})},
        {"PPPS", Par({10, 20, 30}) + 40}, {"PPPP", Par({10, 20, 30, 40})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices);
        ResistorVars before;
        before.RT = kPrevious;
        const auto out = TotalResistance(Standard(c.choices), before);
        ASSERT_TRUE(out);
        EXPECT_NEAR(out->vars.RT, c.total, 1e-12 * c.total);
        EXPECT_EQ(out->label, FormatNumber(out->vars.RT));
    }
}

TEST(TotalResistance, StoresOnlyWhatTheRulesOfThePatternAssign) {
    ResistorVars before;
    before.R3 = 99;
    before.R4 = 98;
    before.ParallelPart = 97;
    before.SeriesPart = 96;

    // P S S: R1..R3 read, SeriesPart = R2 + R3, R4 and ParallelPart kept.
    auto out = TotalResistance(Standard("PSS-"), before);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.SeriesPart, 50);
    EXPECT_EQ(out->vars.R3, 30);
    EXPECT_EQ(out->vars.R4, 98);
    EXPECT_EQ(out->vars.ParallelPart, 97);
    EXPECT_DOUBLE_EQ(out->vars.RT, 10.0 * 50 / 60);

    // P S S S: step 3 leaves SeriesPart = R2 + R3 behind, step 4 decides RT.
    out = TotalResistance(Standard("PSSS"), before);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.SeriesPart, 50);
    EXPECT_EQ(out->vars.RT, 9);
    EXPECT_EQ(out->vars.R4, 40);

    // S S S P keeps the sum in SeriesPart too; P P P P keeps a reciprocal sum.
    out = TotalResistance(Standard("SSSP"), before);
    EXPECT_EQ(out->vars.SeriesPart, 100);
    out = TotalResistance(Standard("PPPP"), before);
    EXPECT_DOUBLE_EQ(out->vars.ParallelPart, 1 / 20.0 + 1 / 10.0 + 1 / 30.0 + 1 / 40.0);
    EXPECT_DOUBLE_EQ(out->vars.RT, 4.8);

    // S -: only R1 is read, R2 keeps its old value even with a text in it.
    before.R2 = 55;
    out = TotalResistance(Standard("S-SS"), before);
    EXPECT_EQ(out->vars.R2, 55);
    EXPECT_EQ(out->vars.R1, 10);
}

TEST(TotalResistance, ScalesEntriesAndShowsTheTotalInTheChosenUnit) {
    // 10 KOhm in parallel with 10 Kohm is 5000 ohm, shown as 5 in Kohm.
    auto out = TotalResistance(Entries({"10", "10", "", ""}, "PP--", {1, 1, 0, 0}, 1), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.RT, 5000);
    EXPECT_EQ(out->label, "5");

    out = TotalResistance(Entries({"1", "2", "3", ""}, "SSS-", {0, 0, 2, 0}, 2), {});
    EXPECT_EQ(out->vars.R3, 3000000);
    EXPECT_EQ(out->label, "3.000003");

    // A unit list without a selected position takes the value unscaled, and a
    // total list without one shows ohms.
    out = TotalResistance(Entries({" 10 ", "2", "", ""}, "SS--", {-1, 1, 0, 0}, -1), {});
    EXPECT_EQ(out->vars.RT, 2010);
    EXPECT_EQ(out->label, "2010");

    // The shown text is converted, so it carries 15 digits at most.
    out = TotalResistance(Entries({"1", "2", "", ""}, "PP--", {0, 0, 0, 0}, 1), {});
    EXPECT_EQ(out->label, "0.000666666666666667");
}

TEST(TotalInductance, UsesItsOwnUnitFactors) {
    auto out = TotalInductance(Entries({"10", "", "", ""}, "S---", {1, 0, 0, 0}, 0, 'L'), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars.LT, 0.01);
    EXPECT_EQ(out->label, "0.01");
    out = TotalInductance(Entries({"10", "", "", ""}, "S---", {1, 0, 0, 0}, 1, 'L'), {});
    EXPECT_EQ(out->label, "10");
    out = TotalInductance(Entries({"10", "", "", ""}, "S---", {1, 0, 0, 0}, 2, 'L'), {});
    EXPECT_EQ(out->label, "10000");
    out = TotalInductance(Entries({"10", "20", "30", "40"}, "PPPS", {}, 0, 'L'), {});
    EXPECT_EQ(out->label, "45.4545454545455");
    out = TotalInductance(Entries({"10", "20", "30", "40"}, "SPSS", {}, 0, 'L'), {});
    EXPECT_EQ(out->label, "25.5555555555556");
}

TEST(TotalResistance, RefusesEntriesThatHoldNoNumber) {
    const char* bad[] = {"", "   ", "12abc", "1,5", "--1", "1e999"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        const auto out = TotalResistance(Entries({"10", text, "30", ""}, "SSS-"), {});
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, "Invalid Entry");
        EXPECT_EQ(out.failure().field, "txtR2");
        EXPECT_NE(out.failure().text.find("\"R2 Value\""), std::string::npos);
    }
    // Fields that the pattern does not read may hold anything.
    EXPECT_TRUE(TotalResistance(Entries({"10", "x", "", ""}, "S-S-"), {}));
    EXPECT_TRUE(TotalResistance(Entries({"x", "x", "", ""}, "P---"), {}));
}

TEST(TotalResistance, ReportsZeroDivisorsAndOverflowInsteadOfStoringThem) {
    // A short circuit in a plain parallel pair is a correct total of 0.
    auto out = TotalResistance(Entries({"0", "10", "", ""}, "PP--"), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->label, "0");

    // P P P P would have to store an infinite reciprocal sum.
    out = TotalResistance(Entries({"10", "0", "30", "40"}, "PPPP"), {});
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().title, "Cannot Compute");
    EXPECT_EQ(out.failure().field, "txtR2");

    out = TotalResistance(Entries({"1e308", "1e308", "", ""}, "SS--"), {});
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().field, "");

    // The largest double shows as a text beyond the range of a double, so it
    // cannot be read back for the unit conversion.
    out = TotalResistance(Entries({"1.7976931348623157e308", "", "", ""}, "S---", {}, 0), {});
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("too large to show"), std::string::npos);

    // Shown in µH, a huge inductance overflows only at display.
    const auto huge = TotalInductance(Entries({"1e303", "", "", ""}, "S---", {}, 2, 'L'), {});
    ASSERT_FALSE(huge);
    EXPECT_NE(huge.failure().text.find("µH"), std::string::npos);
}

TEST(TotalResistance, WorkingNamesTheRuleThatDecided) {
    auto out = TotalResistance(Standard("SPP-"), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->working.Text(),
              "ParallelPart = 1 / (1 / R3 + 1 / R2) = 1 / (1 / 30 + 1 / 20) = 12\n"
              "RT = ParallelPart + R1 = 12 + 10 = 22 Ohm");
    out = TotalResistance(Standard("PS--"), {});
    EXPECT_NE(out->working.Text().find("No rule covers the pattern PS"), std::string::npos);
}

} // namespace
} // namespace vora::calc

namespace vora::calc {
namespace {

// The sketch drawn beside the working is the network the deciding rule
// computes: combined by the usual laws it gives the same total, for every
// pattern the rules cover.
TEST(TotalResistance, SketchOfEveryRuleCombinesToItsTotal) {
    const char* letters = "SP";
    for (int n = 1; n <= 4; ++n) {
        for (int bits = 0; bits < (1 << n); ++bits) {
            std::string choices(4, '-');
            for (int i = 0; i < n; ++i) choices[i] = letters[(bits >> i) & 1];
            SCOPED_TRACE(choices);
            const auto out = TotalResistance(testing::Standard(choices.c_str()), {});
            ASSERT_TRUE(out);
            if (out->sketch.empty()) {
                EXPECT_NE(out->working.Text().find("No rule covers"), std::string::npos);
                continue;
            }
            const double combined =
                Combine(out->sketch, Combination::AddInSeries, [&](const std::string& name) {
                    return std::array{10.0, 20.0, 30.0, 40.0}[name[1] - '1'];
                });
            EXPECT_NEAR(combined, out->vars.RT, 1e-12 * out->vars.RT) << Describe(out->sketch);
        }
    }
    EXPECT_EQ(Describe(TotalResistance(testing::Standard("SPSS"), {})->sketch),
              "R1 + R2 ∥ (R3 + R4)");
    EXPECT_EQ(Describe(TotalResistance(testing::Standard("PPPS"), {})->sketch),
              "R1 ∥ R2 ∥ R3 + R4");
}

} // namespace
} // namespace vora::calc
