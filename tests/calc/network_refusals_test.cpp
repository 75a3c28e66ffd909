// SPDX-License-Identifier: MIT
// Shorts, open gaps, missing choices and bad entries: a correct result where
// the physics has one, else one message that names the cause and the field.
#include "support/element_fixtures.h"

#include <gtest/gtest.h>

namespace vora::calc {
namespace {

using testing::Click;
using testing::Entries;
using testing::Results;
using testing::Shown;
using testing::Total;

struct Case {
    char page;
    const char* choices;
    std::array<std::string, 4> values;
    int click; // 0: the total button
    Source source;
    const char* text;
    // Refused: the title, a part of the text, the focused control. Else
    // empty, and `check` names stored values with what they must be.
    const char* title;
    const char* says;
    const char* focus;
    std::vector<std::pair<const char*, double>> check;
};

TEST(NetworkRefusals, ResultWhereThePhysicsHasOneElseOneClearMessage) {
    const auto V = Source::Voltage;
    const auto I = Source::Current;
    const Case cases[] = {
        // No network: element 1 without a choice, or an element after a gap.
        {'R',
         "----",
         {"1", "2", "3", "4"},
         0,
         V,
         "",
         "Cannot Compute",
         "Choose Series or Parallel for R1",
         "optR1s",
         {}},
        {'L',
         "--S-",
         {"1", "2", "3", "4"},
         3,
         V,
         "5",
         "Cannot Compute",
         "Choose Series or Parallel for L1",
         "optR1s",
         {}},
        {'C',
         "S-SP",
         {"1", "2", "3", "4"},
         4,
         V,
         "5",
         "Cannot Compute",
         "C4 is not part of the network: C2 has no connection chosen, so the network ends at C1",
         "optC2s",
         {}},
        // Entries: the fields of the network must hold numbers; others are not read.
        {'R',
         "SS-S",
         {"1", "two", "x", "y"},
         1,
         V,
         "5",
         "Invalid Entry",
         "\"R2 Value\"",
         "txtR2",
         {}},
        {'R', "S-S-", {"4", "two", "x", "y"}, 1, V, "8", nullptr, nullptr, nullptr, {{"I1", 2}}},
        {'R', "SS--", {"1", "1E-320", "", ""}, 0, V, "", "Invalid Entry", "too small", "txtR2", {}},
        {'L', "SS--", {"1E308", "1E308", "", ""}, 0, V, "", "Cannot Compute", "too large", "", {}},
        {'R', "S---", {"1E300", "", "", ""}, 1, I, "1E300", "Cannot Compute", "too large", "", {}},
        {'R', "PP--", {"10", "-10", "", ""}, 0, V, "", "Invalid Entry", "is negative", "txtR2", {}},
        // The source: an empty strict field was announced by the page already.
        {'R', "SS--", {"1", "2", "", ""}, 2, V, "", "Invalid Entry", "", "txtIV", {}},
        {'R',
         "SS--",
         {"1", "2", "", ""},
         2,
         V,
         "3 V",
         "Invalid Entry",
         "\"Source Value\"",
         "txtIV",
         {}},
        {'R', "SS--", {"1", "2", "", ""}, 1, V, "3 V", nullptr, nullptr, nullptr, {{"I1", 1}}},
        // A zero resistor: a short. Alone or across everything on a voltage
        // source the current would be infinite; else it carries its share.
        {'R', "S---", {"0", "", "", ""}, 0, V, "", nullptr, nullptr, nullptr, {{"RT", 0}}},
        {'R', "S---", {"0", "", "", ""}, 1, V, "24", "Cannot Compute", "R1 is 0 Ohm", "txtR1", {}},
        {'R',
         "PP--",
         {"0", "33", "", ""},
         2,
         V,
         "24",
         "Cannot Compute",
         "a voltage source would drive an infinite current",
         "txtR1",
         {}},
        {'R',
         "PP--",
         {"0", "33", "", ""},
         2,
         I,
         "0.75",
         nullptr,
         nullptr,
         nullptr,
         {{"RT", 0}, {"I1", 0.75}, {"V1", 0}, {"I2", 0}, {"V2", 0}, {"P1", 0}}},
        {'L',
         "SS--",
         {"0", "10", "", ""},
         1,
         V,
         "20",
         nullptr,
         nullptr,
         nullptr,
         // A 0 H inductor takes no voltage; its current rises at 2 A/s
         // from 0, so it holds no energy yet.
         {{"dI1", 2}, {"I1", 0}, {"V1", 0}, {"W1", 0}, {"V2", 20}}},
        {'R',
         "SPP-",
         {"5", "0", "0", ""},
         3,
         I,
         "1",
         "Cannot Compute",
         "R2 and R3 are 0 Ohm, shorts side by side",
         "txtR2",
         {}},
        // R1's own current is defined here, but not what the page stores for
        // R2 and R3, so the whole network is refused.
        {'R',
         "SPP-",
         {"5", "0", "0", ""},
         1,
         V,
         "10",
         "Cannot Compute",
         "R2 and R3 are 0 Ohm",
         "txtR2",
         {}},
        // A zero capacitor: an open gap. In series the chain holds no charge,
        // so a charge source cannot place its charge; a voltage sits across it.
        {'C', "SS--", {"0", "1", "", ""}, 0, V, "", nullptr, nullptr, nullptr, {{"CT", 0}}},
        {'C',
         "SS--",
         {"0", "1", "", ""},
         2,
         I,
         "1",
         "Cannot Compute",
         "C1 is 0 F (an open gap)",
         "txtC1",
         {}},
        {'C',
         "SS--",
         {"0", "1", "", ""},
         2,
         V,
         "10",
         nullptr,
         nullptr,
         nullptr,
         {{"Q1", 0}, {"Q2", 0}, {"V1", 10}, {"V2", 0}, {"U1", 0}, {"U2", 0}}},
        {'C',
         "SSS-",
         {"0", "1", "0", ""},
         2,
         V,
         "10",
         "Cannot Compute",
         "C1 and C3 are 0 F, open gaps in the same chain",
         "txtC1",
         {}},
        {'C',
         "PP--",
         {"0", "2", "", ""},
         1,
         I,
         "4",
         nullptr,
         nullptr,
         nullptr,
         {{"CT", 2}, {"V1", 2}, {"Q1", 0}, {"Q2", 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.page) + " " + c.choices + " click " +
                     std::to_string(c.click) + " source \"" + c.text + "\"");
        const NetworkEntries e = Entries(c.page, c.values, c.choices);
        const Shown s =
            c.click == 0 ? Total(c.page, e) : Results(c.page, Click(e, c.click, c.source, c.text));
        if (c.title) {
            ASSERT_FALSE(s.ok);
            EXPECT_EQ(s.failure.title, c.title);
            EXPECT_NE(s.failure.text.find(c.says), std::string::npos) << s.failure.text;
            EXPECT_EQ(s.failure.field, c.focus);
            EXPECT_EQ(s.failure.alreadyReported, std::string(c.says).empty());
            continue;
        }
        ASSERT_TRUE(s.ok) << s.failure.text;
        for (const auto& [name, value] : c.check)
            EXPECT_DOUBLE_EQ(s[name], value) << name;
    }
}

} // namespace
} // namespace vora::calc
