// SPDX-License-Identifier: MIT
#include "calc/capacitor/capacitor_results.h"
#include "capacitor_fixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vora::calc {
namespace {

using testing::CapacitorClick;

// Stored values before every double-click. CT, SeriesBranch and
// ParallelBranch deliberately belong to no arrangement of these capacitors,
// so that a row using a stored value is told apart from one forming it anew.
CapacitorVars Stored() {
    CapacitorVars v;
    v.C1 = 2, v.C2 = 3, v.C3 = 6, v.C4 = 4;
    v.CT = 5, v.SeriesBranch = 10, v.ParallelBranch = 8;
    return v;
}

struct RowCase {
    const char* handler; // "2s": capacitor 2, Series
    const char* choices;
    char source;                    // 'V' voltage, 'Q' charge
    double q, v, u;                 // charge, voltage and energy of the handler's capacitor
    double ct = 5, sb = 10, pb = 8; // stored afterwards
};

void Check(const RowCase& c) {
    SCOPED_TRACE(std::string(c.handler) + " " + c.choices + " " + c.source);
    const int k = c.handler[0] - '0';
    const auto out =
        CapacitorResults(CapacitorClick(k, c.handler[1], c.choices, c.source, "12"), Stored());
    ASSERT_TRUE(out) << out.failure().text;
    const CapacitorVars& v = out->vars;
    const double tol = 1e-9;
    EXPECT_NEAR(v.Q(k), c.q, tol);
    EXPECT_NEAR(v.V(k), c.v, tol);
    EXPECT_NEAR(v.U(k), c.u, tol);
    EXPECT_NEAR(v.CT, c.ct, tol);
    EXPECT_NEAR(v.SeriesBranch, c.sb, tol);
    EXPECT_NEAR(v.ParallelBranch, c.pb, tol);
    const std::string n = "c" + std::to_string(k);
    EXPECT_EQ(out->names, (std::array<std::string, 3>{"Q" + n, "V" + n, "U" + n}));
}

// Each arrangement is one where the row named in the comment is the last
// that applies; source 12 V or 12 C; C1..C4 = 2, 3, 6, 4 F.
TEST(CapacitorResults, RowsOfCapacitorOne) {
    const RowCase cases[] = {
        // optC1s row 1: rule S with the stored CT, with either source.
        {"1s", "S---", 'V', 60, 30, 900},
        {"1s", "S---", 'Q', 12, 6, 36},
        // row 2: the voltage branch forms CT of all four in series.
        {"1s", "SSSS", 'V', 9.6, 4.8, 23.04, 0.8},
        {"1s", "SSSP", 'Q', 12, 6, 36},
        // row 3: series pair C1, C2.
        {"1s", "SSPP", 'V', 14.4, 7.2, 51.84, 5, 1.2},
        {"1s", "SSPP", 'Q', 2.88, 1.44, 2.0736, 5, 1.2},
        // optC1p row 1: rule P; row 2 forms CT in its charge branch only.
        {"1p", "PP--", 'V', 24, 12, 144},
        {"1p", "PS-S", 'Q', 4.8, 2.4, 5.76},
        {"1p", "PSSS", 'V', 24, 12, 144},
        {"1p", "PSSS", 'Q', 7.2, 3.6, 12.96, 10.0 / 3},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(CapacitorResults, RowsOfCapacitorTwo) {
    const RowCase cases[] = {
        {"2s", "SS--", 'V', 60, 20, 600},
        {"2s", "SS--", 'Q', 12, 4, 24},
        {"2s", "PSS-", 'V', 24, 8, 96, 5, 2},
        {"2s", "PSSP", 'Q', 6, 2, 6, 4, 2},
        {"2s", "SSPP", 'V', 14.4, 4.8, 34.56, 5, 1.2},
        {"2s", "SSPP", 'Q', 12, 4, 24},
        // row 4 after row 2: with a charge it uses the SB and CT row 2 stored.
        {"2s", "PSSS", 'V', 16, 16.0 / 3, 128.0 / 3, 5, 4.0 / 3},
        {"2s", "PSSS", 'Q', 6, 2, 6, 4, 2},
        {"2s", "PSPP", 'V', 36, 12, 216},
        {"2s", "PSPP", 'Q', 7.2, 2.4, 8.64},
        {"2p", "PP--", 'V', 36, 12, 216},
        {"2p", "PPS-", 'Q', 7.2, 2.4, 8.64},
        {"2p", "SPP-", 'V', -54, -18, 486},
        {"2p", "SPPS", 'Q', -10.8, -3.6, 19.44},
        {"2p", "SPPP", 'V', 4.8, 1.6, 3.84, 26.0 / 15},
        {"2p", "SPPP", 'Q', -10.8, -3.6, 19.44},
        {"2p", "SPSS", 'V', 360.0 / 37, 120.0 / 37, 1.5 * (120.0 / 37) * (120.0 / 37), 54.0 / 37,
         2.4},
        {"2p", "SPSS", 'Q', -10.8, -3.6, 19.44},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(CapacitorResults, RowsOfCapacitorThree) {
    const RowCase cases[] = {
        {"3s", "SSS-", 'V', 60, 10, 300},
        {"3s", "SSSP", 'Q', 12, 2, 12},
        // row 2: the charge branch uses the stored SB for CT.
        {"3s", "PSS-", 'V', 24, 4, 48, 5, 2},
        {"3s", "PSS-", 'Q', 10, 10.0 / 6, 100.0 / 12, 12},
        {"3s", "SPSS", 'V', -43.2, -7.2, 155.52, 5, 2.4},
        {"3s", "SPSS", 'Q', -36, -6, 108},
        {"3s", "PPSS", 'V', 28.8, 4.8, 69.12, 7.4, 2.4},
        {"3s", "PPSS", 'Q', 24, 4, 48},
        {"3s", "PSSS", 'V', 16, 8.0 / 3, 64.0 / 3, 10.0 / 3, 4.0 / 3},
        {"3s", "PSSS", 'Q', 10, 10.0 / 6, 100.0 / 12, 12},
        {"3p", "SPP-", 'V', -108, -18, 972},
        {"3p", "SPPS", 'Q', -21.6, -3.6, 38.88},
        {"3p", "PPPP", 'V', 72, 12, 432},
        {"3p", "PPPP", 'Q', 14.4, 2.4, 17.28},
        {"3p", "SSPP", 'V', -228, -38, 4332},
        {"3p", "SSPP", 'Q', -45.6, -7.6, 173.28},
        {"3p", "SPPP", 'V', 9.6, 1.6, 7.68, 26.0 / 15},
        {"3p", "SPPP", 'Q', -21.6, -3.6, 38.88},
        {"3p", "PPPS", 'V', 72, 12, 432, 15},
        {"3p", "PPPS", 'Q', 14.4, 2.4, 17.28},
        {"3p", "PSPP", 'V', 216.0 / 13, 36.0 / 13, 3 * (36.0 / 13) * (36.0 / 13), 56.0 / 13, 10,
         10},
        {"3p", "PSPP", 'Q', 5.4, 0.9, 2.43},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(CapacitorResults, RowsOfCapacitorFour) {
    const RowCase cases[] = {
        {"4s", "SSSS", 'V', 60, 15, 450},
        {"4s", "SSSS", 'Q', 12, 3, 18},
        {"4s", "SPSS", 'V', -43.2, -10.8, 233.28, 5, 2.4},
        {"4s", "SPSS", 'Q', -36, -9, 162},
        {"4s", "PPPS", 'V', 48, 12, 288},
        {"4s", "PPPS", 'Q', 9.6, 2.4, 11.52},
        {"4s", "PPSS", 'V', 28.8, 7.2, 103.68, 5, 2.4},
        {"4s", "PPSS", 'Q', 24, 6, 72},
        {"4s", "PSSS", 'V', 16, 4, 32, 5, 4.0 / 3},
        {"4s", "PSSS", 'Q', 24, 6, 72},
        {"4p", "PPPP", 'V', 48, 12, 288},
        {"4p", "PPPP", 'Q', 9.6, 2.4, 11.52},
        {"4p", "SSSP", 'V', 60, 15, 450},
        {"4p", "SSSP", 'Q', 12, 3, 18},
        {"4p", "SSPP", 'V', -152, -38, 2888},
        {"4p", "SSPP", 'Q', -30.4, -7.6, 115.52},
        {"4p", "SPPP", 'V', -72, -18, 648},
        {"4p", "SPPP", 'Q', -14.4, -3.6, 25.92},
        {"4p", "PSPP", 'V', 14.4, 3.6, 25.92, 5, 10, 10},
        {"4p", "PSPP", 'Q', 3.6, 0.9, 1.62},
    };
    for (const auto& c : cases)
        Check(c);
}

// Rules A and B and a few rows also store values of capacitors 1 and 2,
// which the handlers of those capacitors show when none of their rows applies.
TEST(CapacitorResults, ValuesOfOtherCapacitorsCarryOver) {
    struct Side {
        const char* handler;
        const char* choices;
        double CapacitorVars::*member;
        double value;
    };
    const Side cases[] = {
        {"2p", "SPP-", &CapacitorVars::V1, 30}, // rule A
        {"3p", "SSPP", &CapacitorVars::V1, 30}, // rule B
        {"3p", "SSPP", &CapacitorVars::V2, 20},
        {"3s", "SPSS", &CapacitorVars::V1, 30},
        {"4s", "SPSS", &CapacitorVars::V1, 30},
        {"2s", "PSPP", &CapacitorVars::Q1, 24},
        {"3p", "PSPP", &CapacitorVars::Q2, 12 * 56.0 / 13 - 24},
        {"4p", "PSPP", &CapacitorVars::Q2, 36},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " " + c.choices);
        const auto out = CapacitorResults(
            CapacitorClick(c.handler[0] - '0', c.handler[1], c.choices, 'V', "12"), Stored());
        ASSERT_TRUE(out);
        EXPECT_NEAR(out->vars.*c.member, c.value, 1e-9);
    }

    // C1 Parallel with C2 without a choice: no row, the stored V1 of rule A.
    auto after = CapacitorResults(CapacitorClick(2, 'p', "SPP-", 'V', "12"), Stored());
    ASSERT_TRUE(after);
    const auto shown = CapacitorResults(CapacitorClick(1, 'p', "P---", 'V', "12"), after->vars);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->vars, after->vars);
    EXPECT_EQ(shown->names[1], "Vc1");
    EXPECT_EQ(shown->values[1], "30");
}

TEST(CapacitorResults, NoApplyingRowShowsTheStoredValues) {
    CapacitorVars v = Stored();
    v.Q3 = 1.5, v.V3 = 2.5, v.U3 = 3.5;
    // optC3p has no row for P P P - (and reads no source, so any text is fine).
    const auto out = CapacitorResults(CapacitorClick(3, 'p', "PPP-", 'Q', "junk"), v);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->vars, v);
    EXPECT_EQ(out->names, (std::array<std::string, 3>{"Qc3", "Vc3", "Uc3"}));
    EXPECT_EQ(out->values, (std::array<std::string, 3>{"1.5", "2.5", "3.5"}));
    // On a new page that is three zeros.
    EXPECT_EQ(CapacitorResults(CapacitorClick(3, 'p', "PPP-", 'V', ""), {})->values[2], "0");
}

// Which handlers and rows read the source strictly: "12 V" is 12 to a
// leading read and no number to a strict one.
TEST(CapacitorResults, EachHandlerReadsTheSourceWithItsOwnConversion) {
    struct Case {
        const char* handler;
        const char* choices;
        char source;
        bool strict;
    };
    const Case cases[] = {
        {"1s", "S---", 'V', false}, {"1s", "SSPP", 'Q', false}, {"1p", "PP--", 'V', true},
        {"1p", "PSSS", 'Q', true},  {"2s", "SS--", 'Q', true},  {"2p", "PP--", 'V', true},
        {"3s", "SSS-", 'V', true},  {"3p", "PPPP", 'Q', false}, {"3p", "SPP-", 'V', false},
        {"4s", "SSSS", 'V', false}, {"4s", "SPSS", 'V', true},  {"4s", "SPSS", 'Q', true},
        {"4s", "PPSS", 'Q', false}, {"4p", "PPPP", 'V', false}, {"4p", "SSPP", 'V', true},
        {"4p", "SSPP", 'Q', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " " + c.choices + " " + c.source);
        const int k = c.handler[0] - '0';
        const auto plain =
            CapacitorResults(CapacitorClick(k, c.handler[1], c.choices, c.source, "12"), Stored());
        const auto odd = CapacitorResults(
            CapacitorClick(k, c.handler[1], c.choices, c.source, "12 V"), Stored());
        ASSERT_TRUE(plain);
        if (c.strict) {
            ASSERT_FALSE(odd);
            EXPECT_EQ(odd.failure().title, "Invalid Entry");
            EXPECT_EQ(odd.failure().field, "txtIV");
            EXPECT_NE(odd.failure().text.find("\"Source Value\""), std::string::npos);
            EXPECT_FALSE(odd.failure().alreadyReported);
        } else {
            ASSERT_TRUE(odd);
            EXPECT_EQ(odd->vars, plain->vars);
        }
    }
}

TEST(CapacitorResults, EmptyAndMissingSources) {
    // An empty source reads as 0 where the conversion is leading ...
    auto out = CapacitorResults(CapacitorClick(1, 's', "SS--", 'Q', ""), Stored());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->values, (std::array<std::string, 3>{"0", "0", "0"}));
    // ... and is a failure already announced by the page where it is strict.
    out = CapacitorResults(CapacitorClick(2, 's', "SS--", 'Q', ""), Stored());
    ASSERT_FALSE(out);
    EXPECT_TRUE(out.failure().alreadyReported);
    EXPECT_EQ(out.failure().field, "txtIV");
    // Blanks only are not empty: an ordinary failure.
    out = CapacitorResults(CapacitorClick(2, 's', "SS--", 'Q', "  "), Stored());
    ASSERT_FALSE(out);
    EXPECT_FALSE(out.failure().alreadyReported);

    // Without a source choice the number is a charge.
    const auto none = CapacitorResults(CapacitorClick(3, 's', "SSS-", '-', "12"), Stored());
    const auto charge = CapacitorResults(CapacitorClick(3, 's', "SSS-", 'Q', "12"), Stored());
    ASSERT_TRUE(none);
    EXPECT_EQ(none->vars, charge->vars);
}

TEST(CapacitorResults, DivisionsByZeroAndOverflowAreRefused) {
    // Before any total every capacitance is 0.
    for (const auto& click :
         {CapacitorClick(1, 's', "S---", 'Q', "12"), CapacitorClick(1, 's', "S---", 'V', "12"),
          CapacitorClick(2, 'p', "SPP-", 'V', "12")}) {
        const auto out = CapacitorResults(click, {});
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, "Cannot Compute");
        EXPECT_NE(out.failure().text.find("click \"Total Capacitance\" first"), std::string::npos);
    }
    // Rule P with a voltage does not divide, so it works even then.
    const auto p = CapacitorResults(CapacitorClick(1, 'p', "PP--", 'V', "12"), {});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->values, (std::array<std::string, 3>{"0", "12", "0"}));

    CapacitorVars v = Stored();
    v.C2 = 0;
    auto out = CapacitorResults(CapacitorClick(2, 's', "SS--", 'Q', "12"), v);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().field, "txtC2");
    EXPECT_NE(out.failure().text.find("\"C2 Value\""), std::string::npos);

    v = Stored();
    v.CT = 0;
    out = CapacitorResults(CapacitorClick(3, 's', "SSS-", 'Q', "12"), v);
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("total capacitance is 0"), std::string::npos);

    v = Stored();
    v.ParallelBranch = 0;
    out = CapacitorResults(CapacitorClick(4, 'p', "PSPP", 'Q', "12"), v);
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("ParallelBranch"), std::string::npos);

    out = CapacitorResults(CapacitorClick(1, 's', "S---", 'V', "1e300"), v);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().title, "Cannot Compute");
    out = CapacitorResults(CapacitorClick(1, 's', "S---", 'V', "1e999"), v);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().field, "txtIV");
}

TEST(CapacitorResults, WorkingRecordsEveryRowThatRan) {
    const auto out = CapacitorResults(CapacitorClick(2, 's', "PSSS", 'Q', "12"), Stored());
    ASSERT_TRUE(out);
    const std::string text = out->working.Text();
    EXPECT_NE(text.find("Row 2"), std::string::npos);
    EXPECT_NE(text.find("CT = C1 + SeriesBranch = 2 + 2 = 4 F"), std::string::npos);
    EXPECT_NE(text.find("Row 4"), std::string::npos);
    EXPECT_NE(text.find("U2 = Q2² / (2 · C2) = 6² / (2 · 3) = 6 J"), std::string::npos);
}

} // namespace
} // namespace vora::calc
