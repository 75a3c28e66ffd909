// SPDX-License-Identifier: MIT
#include "calc/number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cmath>
#include <limits>
#include <string>

namespace vora::calc {
namespace {

struct StrictCase {
    const char* text;
    ParseStatus status;
    double value;
};

TEST(ParseStrict, AcceptsExactlyTheDocumentedGrammar) {
    const StrictCase cases[] = {
        {"10", ParseStatus::Ok, 10},
        {"  10  ", ParseStatus::Ok, 10},
        {"+2.5", ParseStatus::Ok, 2.5},
        {"-2.5", ParseStatus::Ok, -2.5},
        {".5", ParseStatus::Ok, 0.5},
        {"5.", ParseStatus::Ok, 5},
        {"1E3", ParseStatus::Ok, 1000},
        {"1e3", ParseStatus::Ok, 1000},
        {"1E+3", ParseStatus::Ok, 1000},
        {"2.5E-3", ParseStatus::Ok, 0.0025},
        {".5e1", ParseStatus::Ok, 5},
        {"007", ParseStatus::Ok, 7},
        {"1E-320", ParseStatus::Ok, 1E-320},  // subnormal, kept
        {"1E-400", ParseStatus::Ok, 0},       // below every double
        {"1e308", ParseStatus::Ok, 1e308},
        {"1e999", ParseStatus::TooLarge, 0},
        {"-1e999", ParseStatus::TooLarge, 0},
        {"", ParseStatus::NotANumber, 0},
        {"   ", ParseStatus::NotANumber, 0},
        {"12abc", ParseStatus::NotANumber, 0},
        {"1,5", ParseStatus::NotANumber, 0},
        {"--1", ParseStatus::NotANumber, 0},
        {"+-1", ParseStatus::NotANumber, 0},
        {"- 1", ParseStatus::NotANumber, 0},
        {"1 0", ParseStatus::NotANumber, 0},
        {".", ParseStatus::NotANumber, 0},
        {"-", ParseStatus::NotANumber, 0},
        {"1E", ParseStatus::NotANumber, 0},
        {"1E+", ParseStatus::NotANumber, 0},
        {"E5", ParseStatus::NotANumber, 0},
        {"1.2.3", ParseStatus::NotANumber, 0},
        {"\t5", ParseStatus::NotANumber, 0},
        {"5\n", ParseStatus::NotANumber, 0},
        {"&H10", ParseStatus::NotANumber, 0},
        {"1D3", ParseStatus::NotANumber, 0},
        {"inf", ParseStatus::NotANumber, 0},
        {"nan", ParseStatus::NotANumber, 0},
        {"0x10", ParseStatus::NotANumber, 0},
        {"5\xC2\xB5", ParseStatus::NotANumber, 0}, // "5µ"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text: \"") + c.text + "\"");
        const Parsed p = ParseStrict(c.text);
        EXPECT_EQ(p.status, c.status);
        if (c.status == ParseStatus::Ok) {
            EXPECT_EQ(p.value, c.value);
        }
    }
}

TEST(ParseStrict, KeepsTheSignOfZeroAndHandlesHugeTexts) {
    EXPECT_TRUE(std::signbit(ParseStrict("-0").value));
    EXPECT_EQ(ParseStrict(std::string(100000, '1')).status, ParseStatus::TooLarge);
    EXPECT_EQ(ParseStrict("0." + std::string(100000, '0') + "1").value, 0.0);
    EXPECT_EQ(ParseStrict("1E99999999999999999999999").status, ParseStatus::TooLarge);
    EXPECT_EQ(ParseStrict("0E99999999999999999999999").value, 0.0);
    EXPECT_DOUBLE_EQ(ParseStrict(std::string(100000, '1') + "E-99999").value, 10.0 / 9);
}

struct LeadingCase {
    const char* text;
    double value;
};

TEST(ParseLeading, ReadsTheLeadingNumberAndIgnoresTheRest) {
    const LeadingCase cases[] = {
        {"12abc", 12},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {" 1 2 3", 123},
        {"1\t2\n3", 123},
        {"- 5", -5},
        {"+5", 5},
        {"1 . 5", 1.5},
        {".5x", 0.5},
        {"2.5E-3V", 0.0025},
        {"1 E 2", 100},
        {"1E", 1},
        {"1E+", 1},
        {"1Ex", 1},
        {"1,5", 1},
        {"--1", 0},
        {"&H10", 16},
        {"&hff", 255},
        {"&HFFFF", 65535},
        {"&H 1 F", 31},
        {"&O17", 15},
        {"&o777", 511},
        {"&O8", 0},
        {"&H", 0},
        {"&X10", 0},
        {"&", 0},
        {"1E-320", 1E-320},
        {"1e-400", 0},
        {"\r5", 0}, // a carriage return is not skipped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text: \"") + c.text + "\"");
        EXPECT_EQ(ParseLeading(c.text), c.value);
    }
}

TEST(ParseLeading, MarksNumbersBeyondADoubleAsInfinite) {
    EXPECT_EQ(ParseLeading("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeading("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isinf(ParseLeading(std::string(100000, '7'))));
    EXPECT_TRUE(std::isinf(ParseLeading("&H" + std::string(300, 'F'))));
}

struct FormatCase {
    double value;
    const char* text;
};

TEST(FormatNumber, RoundsTo15DigitsAndSwitchesToExponentOutsideMinus4To14) {
    const FormatCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {30, "30"},
        {-30, "-30"},
        {0.5, "0.5"},
        {2.5, "2.5"},
        {20.0 / 3, "6.66666666666667"},
        {1.0 / 3, "0.333333333333333"},
        {400 / std::sqrt(3.0), "230.94010767585"},
        {0.0001, "0.0001"},           // exponent -4: fixed
        {0.00012345, "0.00012345"},
        {0.000005, "5E-06"},          // exponent -5
        {0.00001234, "1.234E-05"},
        {99999999999999.0, "99999999999999"},
        {123456789012345.0, "123456789012345"}, // exponent 14: fixed
        {1e15, "1E+15"},                 // exponent 15
        {1234567890123456.0, "1.23456789012346E+15"},
        {999999999999999.9, "1E+15"},   // rounding moves the exponent
        {0.00009999999999999999, "0.0001"},
        {-0.000005, "-5E-06"},
        {1.5e300, "1.5E+300"},
        {-2.5e-300, "-2.5E-300"},
        {1e-320, "9.99988867182683E-321"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {0.1 + 0.2, "0.3"},
        {1.2e-5, "1.2E-05"},
        {5000, "5000"},
        {100.09999999999999, "100.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value), c.text);
    }
}

TEST(FormatNumber, NeverShowsNonFiniteValues) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(FormatNumber(std::nan("")), "");
}

TEST(Numbers, IgnoreTheSystemLocale) {
    // Under the suite's German and French runs the environment's locale has a
    // decimal comma; elsewhere try to find one on the machine.
    const bool expected = std::getenv("VORA_EXPECT_DECIMAL_COMMA") != nullptr;
    bool comma = std::setlocale(LC_ALL, "") && *std::localeconv()->decimal_point == ',';
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"})
        if (!comma && !expected && std::setlocale(LC_ALL, name))
            comma = *std::localeconv()->decimal_point == ',';
    if (expected) {
        ASSERT_TRUE(comma) << "the decimal-comma locale of this run is not installed";
    }
    EXPECT_EQ(ParseStrict("2.5").value, 2.5);
    EXPECT_FALSE(ParseStrict("2,5"));
    EXPECT_EQ(ParseLeading("2,5"), 2);
    EXPECT_EQ(ParseLeading("1.5E3"), 1500);
    EXPECT_EQ(FormatNumber(2.5), "2.5");
    EXPECT_EQ(FormatNumber(1.5e20), "1.5E+20");
    EXPECT_EQ(FormatNumber(1234567.25), "1234567.25");
    std::setlocale(LC_ALL, "C");
    if (!comma) GTEST_SKIP() << "no decimal-comma locale installed";
}

} // namespace
} // namespace vora::calc
