// SPDX-License-Identifier: MIT
// The line-to-phase and phase-to-line conversions, click by click.
#include "calc/three_phase/three_phase.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vora::calc {
namespace {

constexpr Connection Y = Connection::Star;
constexpr Connection D = Connection::Delta;

// Shortest text that reads back as the same double.
std::string Text(double x) {
    char buf[40];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
}

using Convert = Outcome<Shown<ThreePhaseVars>> (*)(Caption, const ThreePhaseEntries&,
                                                   ThreePhaseVars);

ThreePhaseEntries Entries(Convert page, Connection c, std::string i, std::string v = {},
                          std::string z = {}) {
    const std::string side = page == &LineToPhase ? "Line" : "Phase";
    return {c,
            {std::move(i), "txtIT", side + " Current"},
            {std::move(v), "txtVT", side + " Voltage"},
            {std::move(z), "txtZT", side + " Impedance"}};
}

std::string ShownText(Convert page, Caption clicked, const ThreePhaseEntries& in,
                      ThreePhaseVars vars = {}) {
    const auto out = page(clicked, in, vars);
    if (!out) return "failed: " + out.failure().text;
    return out->text(clicked);
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
        // The line impedance is the per-phase star equivalent VL / (√3 · IL):
        // a star phase has it, a delta phase three times it.
        {L, Y, C::Impedance, "", "", "30", "30"},
        {L, D, C::Impedance, "", "", "30", "90"},
        {L, Y, C::Impedance, "10", "400", "", "23.094010767585"},
        {L, D, C::Impedance, "10", "400", "", "69.2820323027551"},
        {L, Y, C::Power, "10", "400", "", "6928.20323027551"},
        {L, D, C::Power, "10", "400", "", "6928.20323027551"},
        {P, Y, C::Current, "10", "", "", "10"},
        {P, D, C::Current, "10", "", "", "17.3205080756888"},
        {P, Y, C::Voltage, "", "230", "", "398.371685740842"},
        {P, D, C::Voltage, "", "230", "", "230"},
        {P, D, C::Voltage, "", "  2 30 V", "", "230"},
        {P, Y, C::Impedance, "", "", "30", "30"},
        {P, D, C::Impedance, "", "", " 30 ", "10"},
        {P, Y, C::Impedance, "10", "230", "", "23"},
        {P, D, C::Impedance, "10", "230", "", "7.66666666666667"},
        // An entered impedance wins over the current and voltage.
        {P, D, C::Impedance, "10", "230", "1E3", "333.333333333333"},
        // 3 · Vph · Iph in either connection.
        {P, Y, C::Power, "10", "230", "", "6900"},
        {P, D, C::Power, "10", "230", "", "6900"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.page == L ? "line-to-phase " : "phase-to-line ")
                                          << static_cast<int>(c.clicked) << " "
                                          << (c.connection == Y ? "star" : "delta"));
        EXPECT_EQ(ShownText(c.page, c.clicked,
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
            EXPECT_FALSE(out);
            EXPECT_TRUE(out.unchanged());
        }
    }
}

// Typed and computed values follow one convention on both pages: what one
// page computes from line values, the other turns back into them, and the
// impedance derived from a voltage and a current is the one that would be
// typed; the apparent power is √3 · VL · IL = 3 · Vph · Iph.
TEST(ThreePhase, BothPagesAndBothInputsAgree) {
    const auto L = &LineToPhase;
    const auto P = &PhaseToLine;
    const auto value = [](const Outcome<Shown<ThreePhaseVars>>& out) {
        EXPECT_TRUE(out) << (out ? "" : out.failure().text);
        return out ? out->vars : ThreePhaseVars{};
    };
    const double cases[][2] = {{10, 400}, {2.5, 230}, {0.125, 11000}, {1234, 0.5}};
    for (Connection c : {Y, D}) {
        for (const auto& [il, vl] : cases) {
            SCOPED_TRACE(::testing::Message()
                         << (c == Y ? "star " : "delta ") << il << " A " << vl << " V");
            const std::string i = Text(il), v = Text(vl);
            const double iph = value(L(Caption::Current, Entries(L, c, i), {})).PhaseCurrent;
            const double vph = value(L(Caption::Voltage, Entries(L, c, "", v), {})).PhaseVoltage;
            const ThreePhaseVars derived = value(L(Caption::Impedance, Entries(L, c, i, v), {}));
            EXPECT_NEAR(derived.PhaseImpedance, vph / iph, 1e-12 * vph / iph);
            EXPECT_NEAR(derived.LineImpedance, vl / (std::sqrt(3.0) * il), 1e-12 * vl / il);

            // The other page, given the phase values, gives the line values back.
            EXPECT_NEAR(value(P(Caption::Current, Entries(P, c, Text(iph)), {})).LineCurrent, il,
                        1e-12 * il);
            EXPECT_NEAR(value(P(Caption::Voltage, Entries(P, c, "", Text(vph)), {})).LineVoltage,
                        vl, 1e-12 * vl);
            const ThreePhaseVars back =
                value(P(Caption::Impedance, Entries(P, c, Text(iph), Text(vph)), {}));
            EXPECT_NEAR(back.LineImpedance, derived.LineImpedance, 1e-12 * back.LineImpedance);
            const ThreePhaseVars typed = value(
                P(Caption::Impedance, Entries(P, c, "", "", Text(derived.PhaseImpedance)), {}));
            EXPECT_NEAR(typed.LineImpedance, derived.LineImpedance, 1e-12 * back.LineImpedance);

            const double s = value(L(Caption::Power, Entries(L, c, i, v), {})).ApparentPower;
            EXPECT_NEAR(
                value(P(Caption::Power, Entries(P, c, Text(iph), Text(vph)), {})).ApparentPower, s,
                1e-12 * s);
            // From the entries now, not from what earlier clicks stored.
            ThreePhaseVars earlier;
            earlier.LineCurrent = earlier.LineVoltage = 99;
            EXPECT_EQ(value(L(Caption::Power, Entries(L, c, i, v), earlier)).ApparentPower, s);
        }
    }
}

// Which stored values each click writes, and which it must leave alone.
TEST(ThreePhase, ClicksWriteOnlyTheirOwnStoredValues) {
    const ThreePhaseVars before{1, 2, 3, 4, 5, 6, 7};
    const auto L = &LineToPhase;

    auto out = L(Caption::Current, Entries(L, D, "30", "400", "8"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{30, 30 / std::sqrt(3.0), 3, 4, 5, 6, 7}));

    out = L(Caption::Impedance, Entries(L, Y, "30", "400", "9"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 2, 3, 4, 9, 9, 7}));

    // The stored phase values (2 A, 4 V) are not used, nor overwritten.
    out = L(Caption::Impedance, Entries(L, Y, "10", "400"), before);
    const double line = 400 / (std::sqrt(3.0) * 10);
    EXPECT_EQ(out->vars, (ThreePhaseVars{10, 2, 400, 4, line, line, 7}));

    const auto P = &PhaseToLine;
    out = P(Caption::Voltage, Entries(P, Y, "30", "230", "8"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 2, std::sqrt(3.0) * 230, 230, 5, 6, 7}));

    out = P(Caption::Impedance, Entries(P, D, "10", "230"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 10, 3, 230, 23.0 / 3, 23, 7}));

    out = P(Caption::Power, Entries(P, D, "10", "230"), before);
    EXPECT_EQ(out->vars, (ThreePhaseVars{1, 10, 3, 230, 5, 6, 3 * 230.0 * 10}));
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
    const auto out = LineToPhase(Caption::Power, Entries(&LineToPhase, Y, "1E200", "1E200"), {});
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().field, "txtIT");
    EXPECT_NE(out.failure().text.find("Enter a smaller number in \"Line Current\" or \"Line "
                                      "Voltage\""),
              std::string::npos);
}

} // namespace
} // namespace vora::calc
