// SPDX-License-Identifier: MIT
// The network the connection choices describe, on each page, and the totals
// and results the audit quoted as right.
#include "calc/element/network_model.h"
#include "support/element_fixtures.h"

#include <gtest/gtest.h>

namespace vora::calc {
namespace {

using testing::Click;
using testing::Entries;
using testing::Results;
using testing::Total;

// Each element joins everything after it: S in series, P in parallel; the
// last element's own choice does not matter, an element without a choice
// ends the network. P P P S is the resistor and inductor pages' exception.
TEST(NetworkReading, EveryArrangementOnEveryPage) {
    struct Case {
        const char* choices;
        const char* resistors;
        const char* capacitors; // where it differs beyond the letter
    };
    const Case cases[] = {
        {"S---", "R1", nullptr},
        {"P---", "R1", nullptr},
        {"SS--", "R1 + R2", "ser(C1, C2)"},
        {"SP--", "R1 + R2", "ser(C1, C2)"},
        {"PS--", "R1 ∥ R2", nullptr},
        {"PP--", "R1 ∥ R2", nullptr},
        {"SSS-", "R1 + R2 + R3", "ser(C1, C2, C3)"},
        {"SSP-", "R1 + R2 + R3", "ser(C1, C2, C3)"},
        {"SPS-", "R1 + R2 ∥ R3", "ser(C1, C2 ∥ C3)"},
        {"SPP-", "R1 + R2 ∥ R3", "ser(C1, C2 ∥ C3)"},
        {"PSS-", "R1 ∥ (R2 + R3)", "C1 ∥ ser(C2, C3)"},
        {"PSP-", "R1 ∥ (R2 + R3)", "C1 ∥ ser(C2, C3)"},
        {"PPS-", "R1 ∥ R2 ∥ R3", nullptr},
        {"PPP-", "R1 ∥ R2 ∥ R3", nullptr},
        {"SSSS", "R1 + R2 + R3 + R4", "ser(C1, C2, C3, C4)"},
        {"SSSP", "R1 + R2 + R3 + R4", "ser(C1, C2, C3, C4)"},
        {"SSPS", "R1 + R2 + R3 ∥ R4", "ser(C1, C2, C3 ∥ C4)"},
        {"SSPP", "R1 + R2 + R3 ∥ R4", "ser(C1, C2, C3 ∥ C4)"},
        {"SPSS", "R1 + R2 ∥ (R3 + R4)", "ser(C1, C2 ∥ ser(C3, C4))"},
        {"SPSP", "R1 + R2 ∥ (R3 + R4)", "ser(C1, C2 ∥ ser(C3, C4))"},
        {"SPPS", "R1 + R2 ∥ R3 ∥ R4", "ser(C1, C2 ∥ C3 ∥ C4)"},
        {"SPPP", "R1 + R2 ∥ R3 ∥ R4", "ser(C1, C2 ∥ C3 ∥ C4)"},
        {"PSSS", "R1 ∥ (R2 + R3 + R4)", "C1 ∥ ser(C2, C3, C4)"},
        {"PSSP", "R1 ∥ (R2 + R3 + R4)", "C1 ∥ ser(C2, C3, C4)"},
        {"PSPS", "R1 ∥ (R2 + R3 ∥ R4)", "C1 ∥ ser(C2, C3 ∥ C4)"},
        {"PSPP", "R1 ∥ (R2 + R3 ∥ R4)", "C1 ∥ ser(C2, C3 ∥ C4)"},
        {"PPSS", "R1 ∥ R2 ∥ (R3 + R4)", "C1 ∥ C2 ∥ ser(C3, C4)"},
        {"PPSP", "R1 ∥ R2 ∥ (R3 + R4)", "C1 ∥ C2 ∥ ser(C3, C4)"},
        {"PPPS", "R1 ∥ R2 ∥ R3 + R4", "C1 ∥ C2 ∥ C3 ∥ C4"},
        {"PPPP", "R1 ∥ R2 ∥ R3 ∥ R4", nullptr},
        {"S-SS", "R1", nullptr},
        {"SS-P", "R1 + R2", "ser(C1, C2)"},
        {"PSP-", "R1 ∥ (R2 + R3)", "C1 ∥ ser(C2, C3)"},
    };
    const std::array<std::string, 4> values{"12", "33", "47", "150"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choices);
        for (char page : {'R', 'C', 'L'}) {
            std::string expected = page == 'C' && c.capacitors ? c.capacitors : c.resistors;
            for (char& ch : expected)
                if (ch == 'R') ch = page;
            const ElementKind& kind = testing::Kind(page);
            const Sketch drawn = NetworkSketch(ChoicesFrom<4>(c.choices), kind);
            EXPECT_EQ(DescribeNetwork(drawn, kind), expected) << page;
            // The total and the double-clicks are of that network, and say so.
            const auto total = Total(page, Entries(page, values, c.choices));
            ASSERT_TRUE(total.ok) << total.failure.text;
            EXPECT_EQ(total.sketch, drawn);
            EXPECT_EQ(total.working.substr(0, total.working.find('\n')), "Network: " + expected);
            const auto click =
                Results(page, Click(Entries(page, values, c.choices), 1, Source::Voltage, "24"));
            ASSERT_TRUE(click.ok) << click.failure.text;
            EXPECT_EQ(click.sketch, drawn);
            EXPECT_EQ(click.label, total.label);
        }
    }
}

// R1..R4 = 12, 33, 47, 150 ohm, 24 V or 0.75 A; C1..C3 = 2.2, 4.7, 10 µF:
// the right values the audit quoted next to the wrong ones it found.
TEST(NetworkReading, ValuesTheAuditQuotedAsRight) {
    const std::array<std::string, 4> r{"12", "33", "47", "150"};
    struct Case {
        const char* choices;
        int element;
        Source source;
        const char* text;
        const char* name;
        double right;
    };
    const Case cases[] = {
        {"SPP-", 2, Source::Voltage, "24", "I2", 0.4492},
        {"SPPP", 2, Source::Voltage, "24", "I2", 0.4281},
        {"SSPP", 3, Source::Voltage, "24", "I3", 0.2262},
        {"PPPS", 1, Source::Current, "0.75", "I1", 0.4633},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choices);
        const auto out =
            Results('R', Click(Entries('R', r, c.choices), c.element, c.source, c.text));
        ASSERT_TRUE(out.ok);
        EXPECT_NEAR(out[c.name], c.right, 0.00005);
    }
    const std::array<std::string, 4> cs{"2.2", "4.7", "10", "22"};
    const std::array<int, 4> micro{1, 1, 1, 1};
    EXPECT_EQ(Total('C', Entries('C', cs, "SP--", micro, 1)).label, "1.49855072463768");
    EXPECT_EQ(Total('C', Entries('C', cs, "PPS-", micro, 1)).label, "16.9");
    // S P is R1 + R2, P P S R1 ∥ R2 ∥ R3: every chosen element counts.
    EXPECT_EQ(Total('R', Entries('R', r, "SP--")).label, "45");
    EXPECT_EQ(Total('R', Entries('R', r, "PPS-")).label, "7.41218637992832");
}

} // namespace
} // namespace vora::calc
