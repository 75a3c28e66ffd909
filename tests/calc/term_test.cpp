// SPDX-License-Identifier: MIT
// The working as printed must be the computation that ran: read back as
// plain arithmetic, every formula and every line of numbers gives the value
// beside it. A bracket left out ("a − b + c" for a − (b + c)), a turned sign
// or a dropped factor changes that value.
#include "calc/ac/ac_events.h"
#include "calc/term.h"
#include "calc/three_phase/three_phase.h"
#include "support/ac_fixtures.h"
#include "support/arithmetic.h"
#include "support/element_fixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace vora::calc {
namespace {

using vora::testing::Arithmetic;
using vora::testing::SameValue;

// A random formula over the names a to d and small positive constants, built
// with every operation a page uses, nested up to `depth` deep.
class RandomFormula {
public:
    explicit RandomFormula(unsigned seed)
        : random_(seed) {
        std::uniform_int_distribution<int> value(-9, 9);
        for (const char* name : {"a", "b", "c", "d"}) {
            int v = 0;
            while (v == 0)
                v = value(random_);
            names_[name] = v;
        }
    }

    Term Make(int depth) {
        std::uniform_int_distribution<int> pick(0, depth > 0 ? 9 : 1);
        switch (pick(random_)) {
        case 0: {
            const char* name = std::array{"a", "b", "c", "d"}[Index(4)];
            return Term::Named(name, names_[name]);
        }
        case 1:
            return Term(static_cast<double>(Index(9) + 1));
        case 2:
            return Make(depth - 1) + Make(depth - 1);
        case 3:
        case 4:
            return Make(depth - 1) - Make(depth - 1);
        case 5:
            return Make(depth - 1) * Make(depth - 1);
        case 6:
        case 7:
            return Make(depth - 1) / Make(depth - 1);
        case 8:
            return std::array{Square(Make(depth - 1)), Abs(Make(depth - 1))}[Index(2)];
        default:
            return Sqrt(Abs(Make(depth - 1)));
        }
    }

    const std::map<std::string, double>& names() const { return names_; }

private:
    std::size_t Index(int n) {
        return static_cast<std::size_t>(std::uniform_int_distribution<int>(0, n - 1)(random_));
    }

    std::mt19937 random_;
    std::map<std::string, double> names_;
};

TEST(Term, FormulaAndNumbersReadBackAsTheValue) {
    // The shapes that need brackets, then random ones.
    const Term a = Term::Named("a", 7), b = Term::Named("b", -2), c = Term::Named("c", 3);
    std::vector<Term> terms{a - (b + c), a - (b - c),         a / (b * c),         a / (b / c),
                            (a + b) * c, (a / b) * c,         a * (b - c),         Square(a - b),
                            Abs(b) * a,  Sqrt(Square(a + c)), 1 / (1 / a + 1 / c), Term(3) - b};
    std::map<std::string, double> names{{"a", 7}, {"b", -2}, {"c", 3}};
    std::size_t fixed = terms.size();
    int checked = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        RandomFormula random(seed);
        const Term t = seed <= fixed ? terms[seed - 1] : random.Make(4);
        if (!std::isfinite(t.value())) continue;
        Arithmetic formula(seed <= fixed ? names : random.names());
        const auto bySymbols = formula.Evaluate(t.symbols());
        const auto byNumbers = Arithmetic().Evaluate(t.numbers());
        ASSERT_TRUE(bySymbols && byNumbers) << t.symbols() << " | " << t.numbers();
        EXPECT_TRUE(SameValue(*bySymbols, t.value()))
            << t.symbols() << " reads as " << *bySymbols << ", computed " << t.value();
        EXPECT_TRUE(SameValue(*byNumbers, t.value()))
            << t.numbers() << " reads as " << *byNumbers << ", computed " << t.value();
        ++checked;
    }
    EXPECT_GT(checked, 2000);
}

// Every line of numbers a page prints gives the value printed after it.
void ExpectLinesAddUp(const Working& working, const std::string& event, int& lines) {
    for (const WorkingLine& line : working.lines()) {
        if (line.sentence || line.numbers.empty()) continue;
        const auto read = Arithmetic().Evaluate(line.numbers);
        ASSERT_TRUE(read) << event << ": cannot read \"" << line.Text() << "\"";
        EXPECT_TRUE(SameValue(*read, line.value))
            << event << ": \"" << line.Text() << "\" reads as " << *read;
        ++lines;
    }
}

template <class Out> void ExpectLinesAddUp(const Out& out, const std::string& event, int& lines) {
    if (out) ExpectLinesAddUp(out->working, event, lines);
}

// The element pages: every arrangement, both sources, every element.
template <class Total, class Element>
void ElementPage(char page, Total total, Element element, std::mt19937& random, int& lines) {
    std::uniform_real_distribution<double> number(0.1, 500);
    for (const std::string& choices : testing::Arrangements())
        for (Source source : {Source::Current, Source::Voltage}) {
            std::array<std::string, 4> texts;
            for (auto& t : texts)
                t = testing::Text(number(random));
            const NetworkEntries e = testing::Entries(page, texts, choices, {1, 0, 2, 0}, 1);
            const std::string event = std::string(1, page) + " " + choices;
            ExpectLinesAddUp(total(testing::TotalClick(e), {}), event, lines);
            for (int k = 1; k <= 4 && choices[static_cast<std::size_t>(k - 1)] != '-'; ++k)
                ExpectLinesAddUp(
                    element(testing::Click(e, k, source, testing::Text(number(random))), {}),
                    event + " element " + std::to_string(k), lines);
        }
}

TEST(Term, EveryPrintedLineOfEveryPageAddsUp) {
    std::mt19937 random(21);
    int lines = 0;
    ElementPage('R', TotalResistance, ResistorResults, random, lines);
    ElementPage('C', TotalCapacitance, CapacitorResults, random, lines);
    ElementPage('L', TotalInductance, InductorResults, random, lines);

    std::uniform_real_distribution<double> number(0.5, 400);
    for (const char* choices : {"SSS", "SPN", "PSP", "PPP", "NSP", "SNN"})
        for (Source source : {Source::Current, Source::Voltage}) {
            const AcInputs in =
                testing::Inputs(choices,
                                {testing::Text(number(random)), testing::Text(number(random) / 100),
                                 testing::Text(number(random))},
                                source, testing::Text(number(random)), {0, 0, 1});
            const std::string event = std::string("AC ") + choices;
            for (auto* f : {TotalImpedance, PowerFactor, ActivePower, ReactivePower, ApparentPower})
                ExpectLinesAddUp(f(in, {}), event, lines);
            for (AcElement k : {AcElement::Resistor, AcElement::Inductor, AcElement::Capacitor})
                ExpectLinesAddUp(ElementResults(k, in, {}), event + " element", lines);
        }

    for (auto* page : {LineToPhase, PhaseToLine})
        for (Connection connection : {Connection::Star, Connection::Delta})
            for (Caption caption :
                 {Caption::Current, Caption::Voltage, Caption::Impedance, Caption::Power})
                for (const char* impedance : {"", "12.5"}) {
                    ThreePhaseEntries in{connection,
                                         {testing::Text(number(random)), "txtIT", "Current"},
                                         {testing::Text(number(random)), "txtVT", "Voltage"},
                                         {impedance, "txtZT", "Impedance"}};
                    ExpectLinesAddUp(page(caption, in, {}), "three-phase", lines);
                }
    EXPECT_GT(lines, 1000);
}

} // namespace
} // namespace vora::calc
