// SPDX-License-Identifier: MIT
#include "calc/engineering.h"

#include <gtest/gtest.h>
#include <limits>

namespace vora::calc {
namespace {

TEST(FormatEngineering, FourDigitsWithThePrefixThatFits) {
    const struct {
        double value;
        const char* unit;
        const char* text;
    } cases[] = {
        {6.1875E-05, "C", "61.88 µC"},
        {0.00019142578125, "J", "191.4 µJ"},
        {1.80357E-09, "F", "1.804 nF"},
        {999.95E-6, "A", "1.000 mA"}, // rounding carries into the next prefix
        {999.94E-6, "A", "999.9 µA"},
        {1, "V", "1.000 V"},
        {1000, "Ohm", "1.000 kOhm"},
        {1E-6, "F", "1.000 µF"}, // exact powers of ten stay on their prefix
        {0.001, "H", "1.000 mH"},
        {-6928.20323027551, "VA", "-6.928 kVA"},
        {0, "W", "0 W"},
        {-0.0, "W", "0 W"},
        {12.5, "", "12.50"},
        {1.5E-19, "C", "1.500E-19 C"}, // below atto
        {2.5E21, "W", "2.500E+21 W"},  // above exa
        {999.96E18, "W", "1.000E+21 W"},
        {std::numeric_limits<double>::infinity(), "W", ""},
        {std::numeric_limits<double>::quiet_NaN(), "W", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEngineering(c.value, c.unit), c.text) << c.value;
}

} // namespace
} // namespace vora::calc
