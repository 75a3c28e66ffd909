// SPDX-License-Identifier: MIT
#include "calc/capacitor/capacitor_total.h"
#include "calc/number.h"
#include "capacitor_fixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vora::calc {
namespace {

using testing::CapacitorEntries;

// Values stored before every click, so that a kept value is recognisable.
CapacitorVars Before() {
    CapacitorVars v;
    v.C1 = 11, v.C2 = 12, v.C3 = 13, v.C4 = 14;
    v.CT = 7.5, v.SeriesBranch = 99, v.ParallelBranch = 98;
    v.Q3 = 42;
    return v;
}

double Ser(std::initializer_list<double> cs) {
    double sum = 0;
    for (double c : cs)
        sum += 1 / c;
    return 1 / sum;
}

struct RowCase {
    const char* choices;
    int read; // capacitors 1 to `read` are read
    double ct, sb, pb;
};

// Every row of the decision table, with C1..C4 = 2, 3, 6 and 4 F.
TEST(TotalCapacitance, EveryRowOfTheDecisionTable) {
    const double kept = 7.5, sb = 99, pb = 98;
    const RowCase cases[] = {
        {"----", 0, kept, sb, pb},
        {"-SPS", 0, kept, sb, pb},
        {"S---", 1, 2, sb, pb},
        {"S-PP", 1, 2, sb, pb},
        {"P---", 0, kept, sb, pb},
        {"P-SS", 0, kept, sb, pb},
        {"SS--", 2, Ser({2, 3}), sb, pb},
        {"SP--", 2, 2, sb, pb},
        {"PS--", 2, kept, sb, pb},
        {"PP-S", 2, 5, sb, pb},
        {"SSS-", 3, Ser({2, 3, 6}), sb, pb},
        {"SSP-", 3, Ser({2, 3, 6}), sb, pb},
        {"SPS-", 3, 2, sb, pb},
        {"SPP-", 3, Ser({2, 9}), sb, pb},
        {"PSS-", 3, 2 + Ser({3, 6}), Ser({3, 6}), pb},
        {"PSP-", 3, kept, sb, pb},
        {"PPS-", 3, 5, sb, pb},
        {"PPP-", 3, 11, sb, pb},
        {"SSSS", 4, Ser({2, 3, 6, 4}), sb, pb},
        {"SSSP", 4, Ser({2, 3, 6, 4}), sb, pb},
        {"SSPS", 4, Ser({2, 3, 10}), sb, 10},
        {"SSPP", 4, Ser({2, 3, 10}), sb, 10},
        {"SPSS", 4, Ser({2, 3 + 2.4}), 2.4, 5.4},
        {"SPSP", 4, Ser({2, 5.4}), 2.4, 5.4},
        {"SPPS", 4, Ser({2, 13}), sb, 13},
        {"SPPP", 4, Ser({2, 13}), sb, pb},
        {"PSSS", 4, 2 + Ser({3, 6, 4}), Ser({3, 6, 4}), pb},
        {"PSSP", 4, 2 + Ser({3, 6, 4}), Ser({3, 6, 4}), pb},
        {"PSPS", 4, 2 + Ser({3, 10}), Ser({3, 10}), pb},
        {"PSPP", 4, 2 + Ser({3, 10}), Ser({3, 10}), pb},
        {"PPSS", 4, 5 + 2.4, 2.4, pb},
        {"PPSP", 4, 5 + 2.4, 2.4, pb},
        {"PPPS", 4, 15, sb, pb},
        {"PPPP", 4, 15, sb, pb},
    };
    const double entered[4] = {2, 3, 6, 4};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices);
        const auto out =
            TotalCapacitance(CapacitorEntries({"2", "3", "6", "4"}, c.choices), Before());
        ASSERT_TRUE(out);
        const CapacitorVars& v = out->vars;
        EXPECT_NEAR(v.CT, c.ct, 1e-12);
        EXPECT_NEAR(v.SeriesBranch, c.sb, 1e-12);
        EXPECT_NEAR(v.ParallelBranch, c.pb, 1e-12);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(v.C(k), k <= c.read ? entered[k - 1] : Before().C(k)) << "C" << k;
        EXPECT_EQ(v.Q3, 42); // results of double-clicks are not touched
        EXPECT_EQ(out->label, FormatNumber(v.CT));
    }
}

TEST(TotalCapacitance, ScalesEntriesAndShowsTheTotalInTheChosenUnit) {
    // 10 µF and 10 µF in series: 5 µF, or 5E-06 F.
    auto out =
        TotalCapacitance(CapacitorEntries({"10", "10", "", ""}, "SS--", {1, 1, 0, 0}, 1), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->label, "5");
    EXPECT_NEAR(out->vars.CT, 5e-6, 1e-20);
    out = TotalCapacitance(CapacitorEntries({"10", "10", "", ""}, "SS--", {1, 1, 0, 0}, 0), {});
    EXPECT_EQ(out->label, "5E-06");

    // 2 nF and 3 nF in parallel, shown in nF.
    out = TotalCapacitance(CapacitorEntries({"2", "3", "", ""}, "PP--", {2, 2, 0, 0}, 2), {});
    EXPECT_EQ(out->label, "5");

    // 1, 2, 3 and 6 µF in series give 0.5 µF whatever capacitor 4's option.
    for (const char* choices : {"SSSS", "SSSP"}) {
        out =
            TotalCapacitance(CapacitorEntries({"1", "2", "3", "6"}, choices, {1, 1, 1, 1}, 1), {});
        EXPECT_EQ(out->label, "0.5") << choices;
    }

    // 1 µF in series with 2 µF + 3 µF.
    out = TotalCapacitance(CapacitorEntries({"1", "2", "3", ""}, "SPP-", {1, 1, 1, 0}, 1), {});
    EXPECT_EQ(out->label, "0.833333333333333");

    // A typed unit that is none of the list's reads farads; a total list
    // without a position shows farads.
    out = TotalCapacitance(CapacitorEntries({"2", "3", "", ""}, "PP--", {-1, 1, 0, 0}, -1), {});
    EXPECT_EQ(out->vars.C1, 2);
    EXPECT_EQ(out->label, "2.000003");
}

TEST(TotalCapacitance, UnchangedRowsShowTheStoredTotalInTheNewUnit) {
    CapacitorVars v;
    v.CT = 5e-6;
    for (const auto& [unit, shown] :
         {std::pair{0, "5E-06"}, {1, "5"}, {2, "5000"}, {-1, "5E-06"}}) {
        const auto out =
            TotalCapacitance(CapacitorEntries({"x", "x", "", ""}, "-SS-", {}, unit), v);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->label, shown) << unit;
        EXPECT_EQ(out->vars, v);
    }
    // On a new page the stored total is 0.
    EXPECT_EQ(TotalCapacitance(CapacitorEntries({}, "P---"), {})->label, "0");
}

TEST(TotalCapacitance, RefusesEntriesThatHoldNoNumber) {
    for (const char* text : {"", "  ", "2uF", "1,5", "1e999"}) {
        SCOPED_TRACE(text);
        const auto out = TotalCapacitance(CapacitorEntries({"1", text, "3", ""}, "PPP-"), {});
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, "Invalid Entry");
        EXPECT_EQ(out.failure().field, "txtC2");
        EXPECT_NE(out.failure().text.find("\"C2 Value\""), std::string::npos);
    }
    // Capacitors that the row does not read may hold anything.
    EXPECT_TRUE(TotalCapacitance(CapacitorEntries({"1", "x", "", ""}, "S-SS"), {}));
    EXPECT_TRUE(TotalCapacitance(CapacitorEntries({"x", "x", "", ""}, "-SSS"), {}));
}

TEST(TotalCapacitance, ZeroUnderAReciprocalAndOverflowAreRefused) {
    // Parallel capacitors only add, so 0 is a fine value there.
    auto out = TotalCapacitance(CapacitorEntries({"0", "3", "", ""}, "PP--"), {});
    ASSERT_TRUE(out);
    EXPECT_EQ(out->label, "3");
    EXPECT_TRUE(TotalCapacitance(CapacitorEntries({"0", "3", "", ""}, "SP--"), {}));

    out = TotalCapacitance(CapacitorEntries({"2", "0", "", ""}, "SS--"), {});
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().title, "Cannot Compute");
    EXPECT_EQ(out.failure().field, "txtC2");
    EXPECT_NE(out.failure().text.find("\"C2 Value\""), std::string::npos);

    // A group that sums to 0 under a reciprocal names the group.
    out = TotalCapacitance(CapacitorEntries({"2", "3", "6", "-6"}, "SSPP"), {});
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("ParallelBranch"), std::string::npos);
    EXPECT_EQ(out.failure().field, "");

    // Negative values are combined by the same formulas.
    out = TotalCapacitance(CapacitorEntries({"-2", "3", "", ""}, "SS--"), {});
    ASSERT_TRUE(out);
    EXPECT_DOUBLE_EQ(out->vars.CT, -6);

    for (const auto& entries : {CapacitorEntries({"1e308", "1e308", "", ""}, "PP--"),
                                CapacitorEntries({"1e-320", "1", "", ""}, "SS--"),
                                CapacitorEntries({"1e305", "", "", ""}, "S---", {}, 2)}) {
        out = TotalCapacitance(entries, {});
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, "Cannot Compute");
    }
}

} // namespace
} // namespace vora::calc

namespace vora::calc {
namespace {

// The sketch of every computed arrangement combines, by the capacitor laws,
// to the total the row stored.
TEST(CapacitorTotalSketch, CombinesToTheStoredTotal) {
    const char* letters = "SP";
    for (int n = 1; n <= 4; ++n) {
        for (int bits = 0; bits < (1 << n); ++bits) {
            std::string choices(4, '-');
            for (int i = 0; i < n; ++i) choices[i] = letters[(bits >> i) & 1];
            SCOPED_TRACE(choices);
            NetworkEntries e;
            for (int k = 0; k < 4; ++k)
                e.values[k] = {std::to_string((k + 1) * 2), "txtC" + std::to_string(k + 1),
                               "C" + std::to_string(k + 1) + " Value"};
            e.choices = ChoicesFrom<4>(choices);
            const auto out = TotalCapacitance(e, {});
            ASSERT_TRUE(out);
            if (out->sketch.empty()) continue;
            const double combined =
                Combine(out->sketch, Combination::AddInParallel,
                        [](const std::string& name) { return (name[1] - '0') * 2.0; });
            EXPECT_NEAR(combined, out->vars.CT, 1e-12 * out->vars.CT) << Describe(out->sketch);
        }
    }
}

} // namespace
} // namespace vora::calc
