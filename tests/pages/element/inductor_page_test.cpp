// SPDX-License-Identifier: MIT
// The inductor page: its totals as the user reads them, its own empty-source
// message, and the shared double-click blocks through the page.
#include "pages/element/element_page.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

class InductorPage : public ::testing::Test {
protected:
    void Network(const char* choices, QStringList values) {
        page_.mnuAll_Click();
        for (int k = 1; k <= 4; ++k) {
            const char c = choices[k - 1];
            if (c == '-') continue;
            Type(page_, QString("txtR%1").arg(k), values.value(k - 1));
            Click(page_, QString("optR%1%2").arg(k).arg(c == 'S' ? 's' : 'p'));
        }
    }

    testing::RecordingMessages messages_;
    frmDCL page_{messages_};
};

TEST_F(InductorPage, TotalsAsShown) {
    struct Case {
        const char* choices;
        const char* shown;
    };
    const Case cases[] = {
        {"SS--", "30"},
        {"PP--", "6.66666666666667"},
        {"SP--", "30"},
        {"PSS-", "8.33333333333333"},
        {"SPP-", "22"},
        {"PPP-", "5.45454545454545"},
        {"PPS-", "5.45454545454545"},
        {"SSSS", "100"},
        {"PPPP", "4.8"},
        {"SPSS", "25.5555555555556"},
        {"PPPS", "45.4545454545455"},
    };
    for (const auto& c : cases) {
        Network(c.choices, {"10", "20", "30", "40"});
        page_.cmdRT_Click();
        EXPECT_EQ(Text(page_, "lblRT"), c.shown) << c.choices;
    }
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(InductorPage, TypedUnitsMeanHenry) {
    Network("S---", {"10"});
    Child<widgets::UnitList>(page_, "cboR1")->setCurrentIndex(1);
    auto* total = Child<widgets::UnitList>(page_, "cboRT");
    const QString shown[] = {"0.01", "10", "10000"};
    for (int pos = 0; pos < 3; ++pos) {
        total->setCurrentIndex(pos);
        page_.cmdRT_Click();
        EXPECT_EQ(Text(page_, "lblRT"), shown[pos]);
    }
    // Typed units mean what they say, case and all; anything else is refused.
    auto* first = Child<widgets::UnitList>(page_, "cboR1");
    total->setCurrentIndex(0);
    const std::pair<const char*, double> typed[] = {
        {"H", 10}, {"mH", 0.01}, {"m", 0.01}, {"µH", 1e-5}, {"uH", 1e-5}};
    for (const auto& [unit, henry] : typed) {
        first->setEditText(unit);
        page_.cmdRT_Click();
        EXPECT_DOUBLE_EQ(page_.vars().LT, henry) << unit;
    }
    EXPECT_TRUE(messages_.shown.empty());
    for (const char* unknown : {"henry", "M", "MH", "kH"}) {
        const auto before = page_.vars();
        first->setEditText(unknown);
        page_.cmdRT_Click();
        ASSERT_EQ(messages_.shown.size(), 1u) << unknown;
        EXPECT_EQ(messages_.shown[0].title, "Invalid Unit");
        EXPECT_TRUE(messages_.shown[0].text.contains("\"L1 Unit\"")) << unknown;
        EXPECT_EQ(page_.vars(), before);
        messages_.clear();
    }
}

// A steady current induces no voltage; a voltage makes the current rise,
// and then the labels say so: a rate in A/s and no energy.
TEST_F(InductorPage, DoubleClickShowsWhatTheSourceMakes) {
    Network("SS--", {"10", "20"});
    page_.cmdRT_Click();
    Click(page_, "optI");
    Type(page_, "txtIV", "2");
    page_.optR2s_DblClick();
    EXPECT_EQ(Text(page_, "lblI"), "Il2");
    EXPECT_EQ(Text(page_, "lblIT"), "2");
    EXPECT_EQ(Text(page_, "Label1"), "A");
    EXPECT_EQ(Text(page_, "lblv"), "Vl2");
    EXPECT_EQ(Text(page_, "lblVT"), "0");
    EXPECT_EQ(Text(page_, "lblL"), "Wl2");
    EXPECT_EQ(Text(page_, "lblLT"), "40");
    EXPECT_EQ(Text(page_, "lblNetI"), "2");
    EXPECT_EQ(Text(page_, "lblNetP"), "60"); // ½ · 30 H · (2 A)²

    Click(page_, "optV");
    Type(page_, "txtIV", "30");
    page_.optR2s_DblClick();
    EXPECT_EQ(Text(page_, "lblI"), "dIl2/dt");
    EXPECT_EQ(Text(page_, "lblIT"), "1");
    EXPECT_EQ(Text(page_, "Label1"), "A/s");
    EXPECT_EQ(Text(page_, "lblVT"), "20");
    EXPECT_EQ(Text(page_, "lblLT"), "");
    EXPECT_EQ(Text(page_, "lblNetIName"), "dIsrc/dt");
    EXPECT_EQ(Text(page_, "lblNetIUnit"), "A/s");
    EXPECT_EQ(Text(page_, "lblNetV"), "30");
    EXPECT_EQ(Text(page_, "lblNetP"), "");
    EXPECT_TRUE(page_.inputsAndResults().contains("Wl2: grows with time"));
    // A current again: the unit is back.
    Click(page_, "optI");
    page_.optR1s_DblClick();
    EXPECT_EQ(Text(page_, "Label1"), "A");

    Type(page_, "txtIV", "");
    page_.optR1s_DblClick();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Ajaja");
    EXPECT_EQ(messages_.shown[0].text,
              "At this time, it is necessary to know either current or voltage sources is to be "
              "used to measure the voltage drops across the components with corresponding "
              "circuit current; before proceeding connect supply with the circuit.");
    EXPECT_EQ(Text(page_, "lblLT"), "0"); // read as 0 by ParseLeading
}

} // namespace
} // namespace vora::pages
