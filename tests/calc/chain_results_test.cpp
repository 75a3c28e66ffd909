// SPDX-License-Identifier: MIT
// Double-clicks on the resistor and inductor pages: which block decides for
// each option and pattern, the templates with both sources, and the values
// carried from one event to the next.
#include "calc/chain_results.h"
#include "calc/chain_total.h"
#include "chain_fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace vora::calc {
namespace {

ElementClick Click(int k, char option, const char* choices, Source source, const char* text) {
    ElementClick c;
    c.element = k;
    c.option = option == 'p' ? Choice::Parallel : Choice::Series;
    c.choices = ChoicesFrom<4>(choices);
    c.source = source;
    c.sourceField = {text, "txtIV", "Source Value"};
    return c;
}

// Stored values chosen so that every template gives a different answer:
// the total, SeriesPart and ParallelPart do not belong to any one pattern.
ResistorVars Distinct() {
    ResistorVars v;
    v.R1 = 10, v.R2 = 20, v.R3 = 30, v.R4 = 40;
    v.RT = 7, v.SeriesPart = 11, v.ParallelPart = 13;
    return v;
}

struct Expected {
    double current;
    double voltage;
};

// What each template gives for element k with the source s (a voltage when
// `voltage`, else a current), computed independently of the engine.
using Rule = std::function<Expected(const ResistorVars&, int k, bool voltage, double s)>;

double R(const ResistorVars& v, int k) { return std::array{v.R1, v.R2, v.R3, v.R4}[k - 1]; }

Rule A() {
    return [](const ResistorVars& v, int k, bool voltage, double s) {
        const double i = voltage ? s / v.RT : s;
        return Expected{i, i * R(v, k)};
    };
}
Rule B() {
    return [](const ResistorVars& v, int k, bool voltage, double s) {
        const double u = voltage ? s : v.RT * s;
        return Expected{u / R(v, k), u};
    };
}
Rule C(double x) {
    return [x](const ResistorVars& v, int k, bool voltage, double s) {
        const double u = voltage ? s : v.RT * s;
        return Expected{u / x, u / x * R(v, k)};
    };
}
Rule D() {
    return [](const ResistorVars& v, int k, bool voltage, double s) {
        const double isrc = voltage ? s / v.RT : s;
        const double i = isrc * v.R1 / (v.R1 + R(v, k));
        return Expected{i, voltage ? s * R(v, k) / (v.R1 + R(v, k)) : i * R(v, k)};
    };
}
Rule E() {
    return [](const ResistorVars& v, int k, bool voltage, double s) {
        if (voltage) {
            const double u = R(v, k) * s / (v.R1 + R(v, k));
            return Expected{u / R(v, k), u};
        }
        const double i = v.R1 * s / (v.R1 + R(v, k));
        return Expected{i, i * R(v, k)};
    };
}
// A rule given as two plain formulas.
Rule Custom(std::function<Expected(bool voltage, double s)> f) {
    return [f](const ResistorVars&, int, bool voltage, double s) { return f(voltage, s); };
}
Rule Nothing() { return nullptr; }

struct DispatchCase {
    int k;
    char option;
    const char* choices;
    Rule rule;
};

// 10, 20, 30, 40 ohm; RT 7, SeriesPart 11, ParallelPart 13 stored.
std::vector<DispatchCase> DispatchCases() {
    const double rt = 7, i1v = 100 / 10.0;
    return {
        // optR1s
        {1, 's', "S---", A()}, {1, 's', "SP--", A()}, {1, 's', "SSS-", A()}, {1, 's', "SPP-", A()},
        {1, 's', "SSSP", C(11)}, {1, 's', "SSPS", A()}, {1, 's', "SSPP", C(30)},
        {1, 's', "SPSS", A()}, {1, 's', "SPSP", A()}, {1, 's', "SPPS", A()}, {1, 's', "SPPP", A()},
        {1, 's', "SSSS", Custom([](bool v, double s) {
             return v ? Expected{s / 100, s / 100 * 10} : Expected{s, s * 10}; })},
        // optR1p
        {1, 'p', "P---", Nothing()}, {1, 'p', "PP--", B()}, {1, 'p', "PS--", B()},
        {1, 'p', "PSSS", B()}, {1, 'p', "PSSP", B()}, {1, 'p', "PSPS", B()}, {1, 'p', "PSPP", B()},
        {1, 'p', "PPSS", B()}, {1, 'p', "PPSP", B()}, {1, 'p', "PPPP", B()},
        {1, 'p', "PPPS", Custom([rt](bool v, double s) {
             const double pp = 1 / (1 / 20.0 + 1 / 10.0 + 1 / 30.0);
             const double u = v ? s / rt * pp : rt * s;
             return Expected{u / 10, u}; })},
        // optR2s
        {2, 's', "SS--", A()}, {2, 's', "SSS-", A()}, {2, 's', "SSSS", A()}, {2, 's', "SSPS", A()},
        {2, 's', "SSPP", C(30)}, {2, 's', "PSPS", Nothing()},
        {2, 's', "SSSP", Custom([rt](bool v, double s) {
             const double i = v ? s / 11 : rt * s / 60;
             return Expected{i, i * 20}; })},
        {2, 's', "PSS-", Custom([](bool v, double s) {
             const double i = v ? s / 50 : 10 * s / 60;
             return Expected{i, i * 20}; })},
        {2, 's', "PSSP", Custom([](bool v, double s) {
             const double i = v ? s / 50 : 10 * s / 60;
             return Expected{i, i * 20}; })},
        {2, 's', "PSSS", Custom([rt](bool v, double s) {
             const double i = v ? s / 90 : rt * s / 50; // SeriesPart from block 4 of the click
             return Expected{i, i * 20}; })},
        {2, 's', "PSPP", Custom([rt, i1v](bool v, double s) {
             const double i = v ? s / rt - i1v : s - rt * s / 10;
             return Expected{i, i * 20}; })},
        // optR2p
        {2, 'p', "SP--", Nothing()}, {2, 'p', "PP--", B()}, {2, 'p', "SPP-", E()},
        {2, 'p', "SPSS", E()}, {2, 'p', "SPSP", Nothing()}, {2, 'p', "SPPS", E()},
        {2, 'p', "SPPP", D()}, {2, 'p', "PPSS", B()}, {2, 'p', "PPSP", B()}, {2, 'p', "PPPP", B()},
        {2, 'p', "PPPS", Custom([rt](bool v, double s) {
             const double u = v ? s / rt * 13 : rt * s;
             return Expected{u / 20, u}; })},
        // optR3s
        {3, 's', "SSS-", A()}, {3, 's', "SSSS", A()}, {3, 's', "SSSP", C(11)},
        {3, 's', "SPSP", Nothing()}, {3, 's', "PPSS", C(70)}, {3, 's', "PPSP", Nothing()},
        {3, 's', "SPSS", Custom([rt](bool v, double s) {
             const double u = v ? s : rt * s;
             const double i = 70 * u / 60 / 70;
             return Expected{i, i * 30}; })},
        {3, 's', "PSS-", Custom([](bool v, double s) {
             const double i = v ? s / 50 : s * 10 / 60;
             return Expected{i, i * 30}; })},
        {3, 's', "PSSS", Custom([rt](bool v, double s) {
             const double i = v ? s / 90 : rt * s / 50;
             return Expected{i, i * 30}; })},
        // optR3p
        {3, 'p', "SPP-", E()}, {3, 'p', "SSPS", Nothing()}, {3, 'p', "SSPP", B()},
        {3, 'p', "SPPS", E()}, {3, 'p', "SPPP", D()}, {3, 'p', "PSPS", Nothing()},
        {3, 'p', "PPPP", B()},
        {3, 'p', "PPPS", Custom([rt](bool v, double s) {
             const double pp = 1 / (1 / 20.0 + 1 / 10.0 + 1 / 30.0);
             const double u = v ? s / rt * pp : rt * s;
             return Expected{u / 30, u}; })},
        {3, 'p', "PSPP", Custom([rt](bool v, double s) {
             const double pp = v ? 30.0 * 40 / 70 : 13; // stored with a current
             const double vsrc = v ? s : rt * s;
             const double u = (vsrc / rt - vsrc / 10) * pp;
             return Expected{u / 30, u}; })},
        // optR4s
        {4, 's', "SSSS", A()}, {4, 's', "SSPS", Nothing()}, {4, 's', "PPSS", C(70)},
        {4, 's', "SPSS", Custom([rt](bool v, double s) {
             const double u = v ? s : rt * s;
             const double i = 70 * u / 80 / 70;
             return Expected{i, i * 40}; })},
        {4, 's', "PSSS", Custom([rt](bool v, double s) {
             const double i = v ? s / 90 : rt * s / 11;
             return Expected{i, i * 40}; })},
        {4, 's', "PPPS", Custom([rt](bool v, double s) {
             const double i = v ? s / rt : s;
             return Expected{i, i * 40}; })},
        // optR4p
        {4, 'p', "PPPP", B()}, {4, 'p', "SSSP", B()}, {4, 'p', "SSPP", B()},
        {4, 'p', "SPPP", D()}, {4, 'p', "SPSP", Nothing()}, {4, 'p', "PPSP", Nothing()},
        {4, 'p', "PSPP", Custom([rt](bool v, double s) {
             const double pp = v ? 30.0 * 40 / 70 : 13;
             const double vsrc = v ? s : rt * s;
             const double u = (vsrc / rt - vsrc / 10) * pp;
             return Expected{u / 40, u}; })},
    };
}

TEST(ResistorResults, EachOptionAndPatternUsesItsBlock) {
    for (const auto& c : DispatchCases()) {
        for (const bool voltage : {true, false}) {
            const double s = voltage ? 100 : 2;
            SCOPED_TRACE(std::string("R") + std::to_string(c.k) + c.option + " " + c.choices +
                         (voltage ? " voltage" : " current"));
            ResistorVars before = Distinct();
            before.I1 = before.I2 = before.I3 = before.I4 = -1; // recognisable stored values
            before.V1 = before.V2 = before.V3 = before.V4 = -2;
            before.Isrc = s; // optR1s reads no new current for block 1 without a choice
            const auto out = ResistorResults(
                Click(c.k, c.option, c.choices, voltage ? Source::Voltage : Source::Current,
                      voltage ? "100" : "2"),
                before);
            ASSERT_TRUE(out) << out.failure().text;
            const Chain got(const_cast<ResistorVars&>(out->vars));
            const Expected e = c.rule ? c.rule(before, c.k, voltage, s) : Expected{-1, -2};
            EXPECT_NEAR(got.I(c.k), e.current, 1e-12 * std::abs(e.current));
            EXPECT_NEAR(got.V(c.k), e.voltage, 1e-12 * std::abs(e.voltage));
            EXPECT_EQ(out->values[0], FormatNumber(got.I(c.k)));
            EXPECT_EQ(out->values[1], FormatNumber(got.V(c.k)));
        }
    }
}

// The three result values of a double-click.
std::array<std::string, 3> Shown(const Outcome<ElementShown<ResistorVars>>& out) {
    EXPECT_TRUE(out) << (out ? "" : out.failure().text);
    return out ? out->values : std::array<std::string, 3>{};
}

using Strings = std::array<std::string, 3>;

ResistorVars Total(const char* choices, std::array<std::string, 4> values) {
    return TotalResistance(testing::Entries(values, choices), {})->vars;
}

TEST(ResistorResults, TwoSeriesResistorsWithEitherSource) {
    const ResistorVars v = Total("SS--", {"10", "10", "", ""});
    auto out = ResistorResults(Click(2, 's', "SS--", Source::Current, "2"), v);
    EXPECT_EQ(out->names, (Strings{"Ir2", "Vr2", "Pr2"}));
    EXPECT_EQ(Shown(out), (Strings{"2", "20", "40"}));
    out = ResistorResults(Click(2, 's', "SS--", Source::Voltage, "10"), v);
    EXPECT_EQ(Shown(out), (Strings{"0.5", "5", "2.5"}));
}

// The first resistor's voltage block keeps the total that was clicked.
TEST(ResistorResults, FirstResistorVoltageBlockKeepsTheStoredTotal) {
    const ResistorVars v = Total("SS--", {"10", "10", "", ""});
    const auto first = ResistorResults(Click(1, 's', "SS--", Source::Voltage, "10"), v);
    EXPECT_EQ(Shown(first), (Strings{"0.5", "5", "2.5"}));
    EXPECT_EQ(first->vars.RT, 20);
    const auto second = ResistorResults(Click(2, 's', "SS--", Source::Voltage, "10"), first->vars);
    EXPECT_EQ(Shown(second), (Strings{"0.5", "5", "2.5"}));
}

TEST(ResistorResults, CorrectedVoltagesOfNeighbouringResistors) {
    // optR2s block 3: V1 = Isrc · R1.
    ResistorVars v = Total("SSS-", {"10", "20", "30", ""});
    auto out = ResistorResults(Click(2, 's', "SSS-", Source::Voltage, "60"), v);
    EXPECT_EQ(out->vars.V1, 10);
    EXPECT_EQ(out->vars.I1, 1);
    EXPECT_EQ(Shown(out), (Strings{"1", "20", "20"}));

    // optR3s block 2 with a current: V3 = I3 · R3 with this click's I3, not a
    // stale I2 (0 on a fresh page).
    v = Total("PSS-", {"10", "20", "30", ""});
    out = ResistorResults(Click(3, 's', "PSS-", Source::Current, "6"), v);
    EXPECT_EQ(out->vars.BranchCurrent, 1);
    EXPECT_EQ(Shown(out), (Strings{"1", "30", "30"}));

    // optR3s block 4 with a voltage: V3 = I3 · R3.
    v = Total("SSSP", {"10", "20", "30", "40"});
    out = ResistorResults(Click(3, 's', "SSSP", Source::Voltage, "100"), v);
    EXPECT_EQ(Shown(out), (Strings{"1", "30", "30"}));
}

TEST(ResistorResults, ParallelPairGivesTheSameResultForEitherSource) {
    const ResistorVars v = Total("PP--", {"10", "40", "", ""});
    EXPECT_EQ(v.RT, 8);
    EXPECT_EQ(Shown(ResistorResults(Click(2, 'p', "PP--", Source::Voltage, "8"), v)),
              (Strings{"0.2", "8", "1.6"}));
    EXPECT_EQ(Shown(ResistorResults(Click(2, 'p', "PP--", Source::Current, "1"), v)),
              (Strings{"0.2", "8", "1.6"}));
}

TEST(ResistorResults, SourceConversionsPerHandlerAndBlock) {
    const ResistorVars ssss = Total("SSSS", {"10", "20", "30", "40"});
    const ResistorVars spss = Total("SPSS", {"10", "20", "30", "40"});
    const ResistorVars sspp = Total("SSPP", {"10", "20", "30", "40"});
    // Read with ParseLeading: 12abc is 12.
    EXPECT_TRUE(ResistorResults(Click(1, 's', "SSSS", Source::Voltage, "12abc"), ssss));
    EXPECT_TRUE(ResistorResults(Click(4, 's', "SSSS", Source::Voltage, "12abc"), ssss));
    EXPECT_TRUE(ResistorResults(Click(3, 'p', "SSPP", Source::Voltage, "12abc"), sspp));
    EXPECT_TRUE(ResistorResults(Click(4, 'p', "SSPP", Source::Current, "12abc"), sspp));
    // Read with ParseStrict.
    for (const auto& c : {Click(2, 's', "SSSS", Source::Voltage, "12abc"),
                          Click(4, 's', "SPSS", Source::Voltage, "12abc"),
                          Click(4, 'p', "SSPP", Source::Voltage, "12abc")}) {
        const auto out = ResistorResults(c, c.choices[1] == Choice::Parallel ? spss : sspp);
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().field, "txtIV");
        EXPECT_NE(out.failure().text.find("\"Source Value\""), std::string::npos);
        EXPECT_FALSE(out.failure().alreadyReported);
    }
    // An empty field reads as 0 with ParseLeading, and fails silently with
    // ParseStrict: the page has already shown its "Ajaja" box.
    EXPECT_EQ(Shown(ResistorResults(Click(1, 's', "SSSS", Source::Voltage, ""), ssss)),
              (Strings{"0", "0", "0"}));
    const auto silent = ResistorResults(Click(2, 's', "SSSS", Source::Voltage, ""), ssss);
    ASSERT_FALSE(silent);
    EXPECT_TRUE(silent.failure().alreadyReported);
}

TEST(ResistorResults, StoredValuesCarryBetweenHandlers) {
    // Without a source choice the current branches run.
    ResistorVars v = Total("SS--", {"10", "10", "", ""});
    EXPECT_EQ(Shown(ResistorResults(Click(2, 's', "SS--", Source::None, "2"), v)),
              (Strings{"2", "20", "40"}));

    // optR2s writes I1 = Isrc; optR1s with no choice on R2 shows block 1.
    auto out = ResistorResults(Click(2, 's', "SS--", Source::Voltage, "10"), v);
    EXPECT_EQ(out->vars.I1, 0.5);

    // optR3p on P S P P writes I2; optR2p on a pattern it does not cover shows it.
    v = Total("PSPP", {"10", "20", "30", "40"});
    out = ResistorResults(Click(3, 'p', "PSPP", Source::Voltage, "100"), v);
    const double i2 = out->vars.I2;
    out = ResistorResults(Click(2, 'p', "SPSP", Source::Voltage, "100"), out->vars);
    EXPECT_EQ(out->values[0], FormatNumber(i2));

    // optR1s block 5 leaves the typed voltage in Isrc and the sum in RT.
    v = Total("SSSS", {"10", "20", "30", "40"});
    out = ResistorResults(Click(1, 's', "SSSS", Source::Voltage, "50"), v);
    EXPECT_EQ(out->vars.Isrc, 50);
    EXPECT_EQ(out->vars.RT, 100);

    // A pattern no block covers shows the stored values (0 on a fresh page).
    out = ResistorResults(Click(1, 'p', "P---", Source::Voltage, "5"), {});
    EXPECT_EQ(Shown(out), (Strings{"0", "0", "0"}));
    EXPECT_EQ(out->names, (Strings{"Ir1", "Vr1", "Pr1"}));
}

TEST(ResistorResults, DivisionsByZeroAreReportedAndChangeNothing) {
    // Before any total.
    auto out = ResistorResults(Click(2, 's', "SS--", Source::Voltage, "10"), {});
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().title, "Cannot Compute");
    EXPECT_NE(out.failure().text.find("click \"Total Resistance\" first"), std::string::npos);

    // A zero resistor as a divisor.
    ResistorVars v = Total("PP--", {"0", "10", "", ""});
    v.RT = 5; // as if the total came from other values
    out = ResistorResults(Click(1, 'p', "PP--", Source::Voltage, "10"), v);
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("Resistor 1 is 0"), std::string::npos);

    // Overflow.
    v = Total("SS--", {"1e-300", "1e-300", "", ""});
    out = ResistorResults(Click(2, 's', "SS--", Source::Voltage, "1e300"), v);
    ASSERT_FALSE(out);
    EXPECT_NE(out.failure().text.find("too large"), std::string::npos);
}

// The inductor page runs the same blocks with its own third quantity.
TEST(InductorResults, SharesTheBlocksWithTheEnergyAsThirdResult) {
    const auto total = [](const char* choices, std::array<std::string, 4> values) {
        return TotalInductance(testing::Entries(values, choices, {0, 0, 0, 0}, 0, 'L'), {})->vars;
    };
    InductorVars v = total("SS--", {"10", "20", "", ""});
    auto out = InductorResults(Click(2, 's', "SS--", Source::Current, "2"), v);
    EXPECT_EQ(out->names, (Strings{"Il2", "Vl2", "Wl2"}));
    EXPECT_EQ(out->values, (Strings{"2", "40", "40"}));
    EXPECT_EQ(out->vars.I1, 0); // the resistor page's extra I1 = Isrc is not here
    out = InductorResults(Click(2, 's', "SS--", Source::Voltage, "30"), v);
    EXPECT_EQ(out->values, (Strings{"1", "20", "10"}));

    // The first inductor's voltage block keeps LT.
    out = InductorResults(Click(1, 's', "SS--", Source::Voltage, "30"), v);
    EXPECT_EQ(out->values, (Strings{"1", "10", "5"}));
    EXPECT_EQ(out->vars.LT, 30);
    out = InductorResults(Click(2, 's', "SS--", Source::Voltage, "30"), out->vars);
    EXPECT_EQ(out->values, (Strings{"1", "20", "10"}));

    v = total("PP--", {"10", "40", "", ""});
    EXPECT_EQ(InductorResults(Click(2, 'p', "PP--", Source::Voltage, "8"), v)->values,
              (Strings{"0.2", "8", "0.8"}));
    EXPECT_EQ(InductorResults(Click(2, 'p', "PP--", Source::Current, "1"), v)->values,
              (Strings{"0.2", "8", "0.8"}));

    // optR2s block 3 with a voltage is plain template A here.
    v = total("SSS-", {"10", "20", "30", ""});
    out = InductorResults(Click(2, 's', "SSS-", Source::Voltage, "60"), v);
    EXPECT_EQ(out->values, (Strings{"1", "20", "10"}));
    EXPECT_EQ(out->vars.V1, 0);

    const auto fresh = InductorResults(Click(2, 's', "SS--", Source::Voltage, "30"), {});
    ASSERT_FALSE(fresh);
    EXPECT_NE(fresh.failure().text.find("click \"Total Inductance\" first"), std::string::npos);
}

} // namespace
} // namespace vora::calc
