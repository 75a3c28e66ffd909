// SPDX-License-Identifier: MIT
// The line-to-phase and phase-to-line conversions, click by click.
#include "calc/three_phase/three_phase.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vora::calc {
namespace {

constexpr Connection Y = Connection::Star;
constexpr Connection D = Connection::Delta;

using Convert = Outcome<ThreePhaseShown> (*)(Caption, const ThreePhaseEntries&, ThreePhaseVars);

ThreePhaseEntries Entries(Convert page, Connection c, std::string i, std::string v = {},
                          std::string z = {}) {
    const std::string side = page == &LineToPhase ? "Line" : "Phase";
    return {c,
            {std::move(i), "txtIT", side + " Current"},
            {std::move(v), "txtVT", side + " Voltage"},
            {std::move(z), "txtZT", side + " Impedance"}};
}

std::string Shown(Convert page, Caption clicked, const ThreePhaseEntries& in,
                  ThreePhaseVars vars = {}) {
    const auto out = page(clicked, in, vars);
    if (!out) return "failed: " + out.failure().text;
    return out->label;
}

struct FigureCase {
    Convert page;
    Connection connection;
    Caption clicked;
    const char *current, *voltage, *impedance;
    const char* shown;
};

TEST(ThreePhase, EachCaptionShowsItsConversion) {
    const auto L = &LineToPhase;
    const auto P = &PhaseToLine;
    using C = Caption;
    const FigureCase cases[] = {
        {L, Y, C::Current, "10", "", "", "10"},
        {L, D, C::Current, "10", "", "", "5.77350269189626"},
        {L, Y, C::Current, "12abc", "", "", "12"},
        {L, D, C::Current, "", "", "", "0"},
        {L, Y, C::Voltage, "", "400", "", "230.94010767585"},
        {L, D, C::Voltage, "", "400", "", "400"},
        {L, Y, C::Impedance, "", "", "30", "10"},
        {L, D, C::Impedance, "", "", "30", "90"},
        {L, D, C::Impedance, "10", "400", "", "13.3333333333333"},
        // Star with no impedance entered divides the values just read.
        {L, Y, C::Impedance, "10", "400", "", "7.69800358919501"},
        {P, Y, C::Current, "10", "", "", "10"},
        {P, D, C::Current, "10", "", "", "17.3205080756888"},
        {P, Y, C::Voltage, "", "230", "", "398.371685740842"},
        {P, D, C::Voltage, "", "230", "", "230"},
        {P, D, C::Voltage, "", "  2 30 V", "", "230"},
        {P, Y, C::Impedance, "", "", "30", "10"},
        {P, D, C::Impedance, "", "", " 30 ", "90"},
        {P, Y, C::Impedance, "10", "230", "", "7.66666666666667"},
        {P, D, C::Impedance, "10", "230", "", "7.66666666666667"},
        // An entered impedance wins over the current and voltage.
        {P, D, C::Impedance, "10", "230", "1E3", "3000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.page == L ? "line-to-phase " : "phase-to-line ")
                                          << static_cast<int>(c.clicked) << " "
                                          << (c.connection == Y ? "star" : "delta"));
        EXPECT_EQ(Shown(c.page, c.clicked,
                        Entries(c.page, c.connection, c.current, c.voltage, c.impedance)),
                  c.shown);
    }
}

TEST(ThreePhase, NoConnectionChosenChangesNothing) {
    ThreePhaseVars before;
    before.LineCurrent = 4;
    for (Convert page : {&LineToPhase, &PhaseToLine}) {
        for (Caption c : {Caption::Current, Caption::Voltage, Caption::Impedance, Caption::Power}) {
            // Even an impedance that is no number is not looked at.
            const auto out = page(c, Entries(page, Connection::None, "10", "400", "abc"), before);
            ASSERT_TRUE(out);
            EXPECT_FALSE(out->computed);
            EXPECT_EQ(out->vars, before);
        }
    }
}

// The apparent power reads no entry: it multiplies what earlier clicks stored.
TEST(ThreePhase, ApparentPowerUsesTheValuesOfEarlierClicks) {
    for (Connection c : {Y, D}) {
        SCOPED_TRACE(c == Y ? "star" : "delta");
        const auto L = &LineToPhase;
        EXPECT_EQ(Shown(L, Caption::Power, Entries(L, c, "10", "400")), "0");

        auto vars = L(Caption::Current, Entries(L, c, "10"), {})->vars;
        vars = L(Caption::Voltage, Entries(L, c, "", "400"), vars)->vars;
        // A changed entry is not read by the power click.
        EXPECT_EQ(Shown(L, Caption::Power, Entries(L, c, "99", "1"), vars), "6928.20323027551");

        // An impedance click with an empty impedance stores the line values too.
        vars = L(Caption::Impedance, Entries(L, c, "20", "100"), vars)->vars;
        EXPECT_EQ(vars.LineCurrent, 20);
        EXPECT_EQ(vars.LineVoltage, 100);
        EXPECT_EQ(Shown(L, Caption::Power, Entries(L, c, ""), vars), "3464.10161513775");

        const auto P = &PhaseToLine;
        vars = P(Caption::Current, Entries(P, c, "10"), {})->vars;
        vars = P(Caption::Voltage, Entries(P, c, "", "230"), vars)->vars;
        EXPECT_EQ(Shown(P, Caption::Power, Entries(P, c, "1", "1"), vars), "3983.71685740842");
        vars = P(Caption::Impedance, Entries(P, c, "10", "230"), {})->vars;
        EXPECT_EQ(Shown(P, Caption::Power, Entries(P, c, "1", "1"), vars), "3983.71685740842");
    }
}

// Which stored values each click writes, and which it must leave alone.
TEST(ThreePhase, ClicksWriteOnlyTheirOwnStoredValues) {
    const ThreePhaseVars before{1, 2, 3, 4, 5, 6, 7};
    const auto L = &LineToPhase;

    auto out = L(Caption::Current, Entries(L, D, "30", "400", "8"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{30, 30 / std::sqrt(3.0), 3, 4, 5, 6, 7}));

    out = L(Caption::Impedance, Entries(L, Y, "30", "400", "9"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 2, 3, 4, 9, 9 * (1.0 / 3), 7}));

    // The stored phase values (2 A, 4 V) are not used, nor overwritten.
    out = L(Caption::Impedance, Entries(L, Y, "10", "400"), before);
    const double line = 400 / std::sqrt(3.0) / 10;
    EXPECT_EQ(out->vars, (ThreePhaseVars{10, 2, 400, 4, line, (1.0 / 3) * line, 7}));

    const auto P = &PhaseToLine;
    out = P(Caption::Voltage, Entries(P, Y, "30", "230", "8"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 2, std::sqrt(3.0) * 230, 230, 5, 6, 7}));

    out = P(Caption::Impedance, Entries(P, D, "10", "230"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 10, 3, 230, (1.0 / 3) * 23, 23, 7}));

    out = P(Caption::Power, Entries(P, D, "10", "230"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 2, 3, 4, 5, 6, std::sqrt(3.0) * 4 * 2}));
}

TEST(ThreePhase, WorkingRecordsTheFormulaWithItsNumbers) {
    const auto out = LineToPhase(Caption::Current, Entries(&LineToPhase, D, "10"), {});
    ASSERT_EQ(out->working.lines().size(), 2u);
    EXPECT_EQ(out->working.lines()[1].Text(),
              "PhaseCurrent = LineCurrent / √(3) = 10 / √(3) = 5.77350269189626 A");
}

struct FailureCase {
    Convert page;
    Connection connection;
    Caption clicked;
    const char *current, *voltage, *impedance;
    const char* title;
    const char* field;
    const char* text; // a part of the message
};

// Every refusal names what to change and puts the focus there; the stored
// values are the caller's copy, so a failed click cannot alter them.
TEST(ThreePhase, RefusesWhatCannotBeComputed) {
    const auto L = &LineToPhase;
    const auto P = &PhaseToLine;
    using C = Caption;
    const char* const invalid = "Invalid Entry";
    const char* const cannot = "Cannot Compute";
    const FailureCase cases[] = {
        {L, Y, C::Impedance, "10", "400", "abc", invalid, "txtZT",
         "Enter a number in \"Line Impedance\""},
        // Blanks are not an empty impedance.
        {P, D, C::Impedance, "10", "230", " ", invalid, "txtZT",
         "Enter a number in \"Phase Impedance\""},
        {L, D, C::Impedance, "", "400", "", cannot, "txtIT", "The line current is 0"},
        {L, Y, C::Impedance, "0", "0", "", cannot, "txtIT", "The line current is 0"},
        {P, Y, C::Impedance, "abc", "230", "", cannot, "txtIT", "The phase current is 0"},
        {L, Y, C::Current, "1E400", "", "", invalid, "txtIT", "too large"},
        {P, D, C::Impedance, "10", "9E999", "", invalid, "txtVT", "too large"},
        {P, Y, C::Impedance, "", "", "1E999", invalid, "txtZT", "too large"},
        {P, D, C::Current, "1.5E308", "", "", cannot, "txtIT", "The line current is too large"},
        {P, Y, C::Voltage, "", "-1.5E308", "", cannot, "txtVT", "The line voltage is too large"},
        {L, D, C::Impedance, "", "", "1E308", cannot, "txtZT", "The phase impedance is too large"},
        {L, D, C::Impedance, "1E-300", "1E300", "", cannot, "txtIT",
         "Enter a larger current in \"Line Current\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.current << " / " << c.voltage << " / " << c.impedance);
        const auto out =
            c.page(c.clicked, Entries(c.page, c.connection, c.current, c.voltage, c.impedance), {});
        ASSERT_FALSE(out);
        EXPECT_EQ(out.failure().title, c.title);
        EXPECT_EQ(out.failure().field, c.field);
        EXPECT_NE(out.failure().text.find(c.text), std::string::npos) << out.failure().text;
    }
}

TEST(ThreePhase, RefusesAnApparentPowerTooLargeToShow) {
    ThreePhaseVars huge;
    huge.LineVoltage = huge.LineCurrent = 1E200;
    const auto out = LineToPhase(Caption::Power, Entries(&LineToPhase, Y, "1"), huge);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().field, "");
    EXPECT_NE(out.failure().text.find("click \"Phase Current\" and \"Phase Voltage\" again"),
              std::string::npos);
}

} // namespace
} // namespace vora::calc
