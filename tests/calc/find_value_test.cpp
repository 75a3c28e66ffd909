// SPDX-License-Identifier: MIT
// Finding an input from a result on every page's own model: the problems of
// the textbook posed backwards, and the round trip (compute a result, forget
// one input, find it again from the result) on random pages.
#include "calc/ac/ac_solve.h"
#include "calc/element/element_solve.h"
#include "calc/number.h"
#include "calc/three_phase/three_phase_solve.h"
#include "calc/transient/transient_solve.h"
#include "support/ac_fixtures.h"
#include "support/element_fixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vora::calc {
namespace {

using testing::Click;
using testing::Entries;
using testing::Inputs;
using testing::Kind;

std::size_t TargetNamed(const SolveProblem& p, const std::string& name) {
    for (std::size_t t = 0; t < p.targets.size(); ++t)
        if (p.targets[t].name == name) return t;
    ADD_FAILURE() << "no target " << name;
    return p.targets.size();
}

std::size_t UnknownAt(const SolveProblem& p, const std::string& field) {
    for (std::size_t u = 0; u < p.unknowns.size(); ++u)
        if (p.unknowns[u].field == field) return u;
    ADD_FAILURE() << "no unknown " << field;
    return p.unknowns.size();
}

Outcome<Found> Find(const SolveProblem& p, const std::string& target, const std::string& field,
                    const std::string& value, int power = 0) {
    return FindValue(p, TargetNamed(p, target), UnknownAt(p, field), {value, "txtTarget", "Target"},
                     power);
}

TEST(FindValue, ProblemsPosedBackwards) {
    // R1 = 10 Ω in series with R2 = 20 Ω parallel R3; a total of 22 Ω wants R3 = 30 Ω.
    const auto r = Find(ElementProblem(Kind('R'), Click(Entries('R', {"10", "20", "1", ""}, "SPP"),
                                                        1, Source::None, "")),
                        "RT", "txtR3", "22");
    ASSERT_TRUE(r) << r.failure().text;
    ASSERT_EQ(r->fieldTexts, std::vector<std::string>{"30"});
    EXPECT_NE(r->line.find("Given RT = 22 \u03A9, found R3 = 30 \u03A9."), std::string::npos)
        << r->line;

    // One capacitor on 9 V: 5 mJ are stored by 123.457 µF.
    const auto c =
        Find(ElementProblem(Kind('C'), Click(Entries('C', {"100", "", "", ""}, "S", {1, 0, 0, 0}),
                                             1, Source::Voltage, "9")),
             "UT", "txtC1", "5", -3);
    ASSERT_TRUE(c) << c.failure().text;
    ASSERT_EQ(c->fieldTexts, std::vector<std::string>{"123.456790123457"}); // in µF

    // R 10 Ω, L 0.1 H in series with C at 50 Hz: a power factor of 1 wants C = 101.3 µF.
    AcInputs ac = Inputs("SSS", {"10", "0.1", "47"}, Source::None, {}, {0, 0, 1});
    ac.frequency = {{"50", "txtF", "Supply Frequency"}, 0};
    const auto pf = Find(AcProblem(ac), "PF", "txtXC", "1");
    ASSERT_TRUE(pf) << pf.failure().text;
    ASSERT_EQ(pf->values.size(), 1u);
    // A power factor only touches 1: the reactance's zero places it.
    EXPECT_NEAR(pf->values[0], 1 / (std::pow(2 * std::numbers::pi * 50, 2) * 0.1), 1e-18);
    EXPECT_EQ(pf->fieldTexts[0].substr(0, 5), "101.3");
}

TEST(FindValue, RefusesWithOneMessageAndTheRange) {
    const SolveProblem p = ElementProblem(
        Kind('R'), Click(Entries('R', {"20", "5", "", ""}, "PP"), 1, Source::None, ""));
    // A parallel group stays below its smallest branch.
    const auto high = Find(p, "RT", "txtR2", "25");
    ASSERT_FALSE(high);
    EXPECT_EQ(high.failure().field, "txtTarget");
    EXPECT_NE(high.failure().text.find("stays between"), std::string::npos) << high.failure().text;
    EXPECT_NE(high.failure().text.find("and 20.00 \u03A9"), std::string::npos)
        << high.failure().text;

    EXPECT_EQ(Find(p, "RT", "txtR2", "-3").failure().text,
              "RT is never negative. Enter a positive value.");
    EXPECT_EQ(Find(p, "RT", "txtR2", "abc").failure().field, "txtTarget");

    // The phase current of a star does not depend on the impedance.
    ThreePhaseEntries star{Connection::Star,
                           {"10", "txtIT", "Line Current"},
                           {"400", "txtVT", "Line Voltage"},
                           {"20", "txtZT", "Impedance"}};
    const auto flat =
        Find(ThreePhaseProblem(Conversion::LineToPhase, star), "Phase current", "txtZT", "10");
    ASSERT_FALSE(flat);
    EXPECT_EQ(flat.failure().field, "cboUnknown");
}

// Compute a result, forget one input, find it from the result: the input
// comes back among the values found, to 1e-12.
void RoundTrip(const SolveProblem& p, const std::vector<double>& inputs, std::mt19937& rng,
               int pairs, const std::string& where) {
    ASSERT_FALSE(p.targets.empty()) << where;
    ASSERT_EQ(p.unknowns.size(), inputs.size()) << where;
    for (int n = 0; n < pairs; ++n) {
        const std::size_t t = rng() % p.targets.size();
        const std::size_t u = rng() % p.unknowns.size();
        const double x = inputs[u];
        const auto r = p.result(t, u, x);
        ASSERT_TRUE(r) << where;
        const auto found = FindValue(p, t, u, {ExactText(*r), "txtTarget", "Target"}, 0);
        const std::string pair = where + " " + p.targets[t].name + " for " + p.unknowns[u].name;
        if (!found) {
            // Only a result that does not depend on the input may refuse.
            EXPECT_EQ(found.failure().field, "cboUnknown") << pair << ": " << found.failure().text;
            continue;
        }
        EXPECT_TRUE(std::any_of(found->values.begin(), found->values.end(),
                                [&](double v) { return std::abs(v - x) <= 1e-12 * x; }))
            << pair << " lost " << x << ": " << found->line;
    }
}

double Pick(std::mt19937& rng, double low, double high) {
    return low * std::pow(high / low, std::uniform_real_distribution<>(0, 1)(rng));
}

TEST(FindValue, RoundTripOnEveryPage) {
    std::mt19937 rng(20261210);
    const std::array<std::string, 6> patterns{"S", "SS", "PP", "SPP", "PPPS", "SPSP"};
    for (int n = 0; n < 3; ++n) {
        for (char page : {'R', 'C', 'L'}) {
            const std::string pattern = patterns[rng() % patterns.size()];
            std::array<std::string, 4> texts;
            std::vector<double> inputs;
            for (std::size_t k = 0; k < pattern.size(); ++k) {
                const double v = Pick(rng, 0.5, 500);
                texts[k] = FormatNumber(v);
                inputs.push_back(std::stod(texts[k]));
            }
            const double source = std::stod(FormatNumber(Pick(rng, 1, 100)));
            inputs.push_back(source);
            const auto p = ElementProblem(Kind(page), Click(Entries(page, texts, pattern), 1,
                                                            Source::Voltage, FormatNumber(source)));
            RoundTrip(p, inputs, rng, 2, std::string(1, page) + " " + pattern);
        }
        const char* choices[] = {"SSS", "PPP", "SSN", "SNS", "PPN"};
        const char* pattern = choices[rng() % 5];
        const std::array<double, 3> rlc{Pick(rng, 1, 1000), Pick(rng, 1e-3, 1),
                                        Pick(rng, 1e-6, 1e-3)};
        AcInputs ac =
            Inputs(pattern, {FormatNumber(rlc[0]), FormatNumber(rlc[1]), FormatNumber(rlc[2])},
                   Source::Voltage, "230");
        ac.frequency = {{"50", "txtF", "Supply Frequency"}, 0};
        std::vector<double> inputs;
        for (std::size_t i = 0; i < 3; ++i)
            if (pattern[i] != 'N') inputs.push_back(std::stod(FormatNumber(rlc[i])));
        inputs.push_back(230);
        if (pattern[1] != 'N' || pattern[2] != 'N') inputs.push_back(50);
        RoundTrip(AcProblem(ac), inputs, rng, 3, std::string("AC ") + pattern);

        const double i = std::stod(FormatNumber(Pick(rng, 1, 100)));
        const double v = std::stod(FormatNumber(Pick(rng, 100, 1000)));
        const double z = std::stod(FormatNumber(Pick(rng, 1, 100)));
        const ThreePhaseEntries entries{n % 2 ? Connection::Star : Connection::Delta,
                                        {FormatNumber(i), "txtIT", "Line Current"},
                                        {FormatNumber(v), "txtVT", "Line Voltage"},
                                        {FormatNumber(z), "txtZT", "Impedance"}};
        RoundTrip(
            ThreePhaseProblem(n % 3 ? Conversion::LineToPhase : Conversion::PhaseToLine, entries),
            {i, v, z}, rng, 3, "three-phase");
    }
}

} // namespace
} // namespace vora::calc
