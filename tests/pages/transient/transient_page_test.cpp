// SPDX-License-Identifier: MIT
// The transient page as the user meets it: the textbook charge, what an
// edit does to results on screen, refused entries, and the curve drawn from
// the model's own points.
#include "calc/number.h"
#include "calc/transient/transient.h"
#include "pages/drawing/transient_curve_view.h"
#include "pages/result_label.h"
#include "pages/transient/transient_page.h"
#include "pages/working_pdf.h"
#include "shell/window_registry.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

const char* const kResults[] = {"lblTau", "lblStorageV", "lblI", "lblVR", "lblW", "lblFraction"};

class TransientPage : public ::testing::Test {
protected:
    void SetUp() override {
        window_.reset(
            shell::MakeWindow(shell::Entry(shell::WindowId::frmTransient), nullptr, messages_));
        page_ = dynamic_cast<frmTransient*>(window_.get());
        ASSERT_NE(page_, nullptr);
        page_->show();
        QApplication::setActiveWindow(page_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(page_));
    }

    void Unit(const char* list, int position) {
        Child<widgets::UnitList>(*page_, list)->setCurrentIndex(position);
    }

    // R = 10 kΩ, C = 100 µF, 12 V charging, t = 1 s, computed by Enter in the time.
    void TextbookCharge() {
        Type(*page_, "txtR", "10");
        Unit("cboR", 1);
        Type(*page_, "txtC", "100");
        Unit("cboC", 1);
        Type(*page_, "txtV", "12");
        Type(*page_, "txtT", "1");
        QTest::keyClick(Child<QWidget>(*page_, "txtT"), Qt::Key_Return);
    }

    QStringList Labels() const {
        QStringList texts;
        for (const char* name : kResults)
            texts << Text(*page_, name);
        return texts;
    }

    testing::RecordingMessages messages_;
    std::unique_ptr<QMainWindow> window_;
    frmTransient* page_ = nullptr;
};

TEST_F(TransientPage, TextbookChargeAndTimesFarBeyondFiveTau) {
    EXPECT_EQ(page_->objectName(), "frmTransient");
    EXPECT_EQ(Text(*page_, "cmdCompute"), "Compute");
    TextbookCharge();
    ASSERT_TRUE(messages_.shown.empty()) << messages_.shown.front().text.toStdString();
    const calc::TransientVars& v = page_->vars();
    EXPECT_EQ(Text(*page_, "lblTau"), "1");
    EXPECT_EQ(Text(*page_, "unitTau"), "s");
    EXPECT_NEAR(v.StorageVoltage, 7.58545, 5e-6);
    EXPECT_NEAR(v.Current, 0.441455e-3, 5e-10);
    EXPECT_EQ(Text(*page_, "lblStorageV").toStdString(), calc::FormatNumber(v.StorageVoltage));
    EXPECT_EQ(Text(*page_, "lblI").toStdString(), calc::FormatNumber(v.Current));
    EXPECT_EQ(Child<QLabel>(*page_, "lblI")->toolTip(), "441.5 µA");
    EXPECT_TRUE(page_->inputsAndResults().contains("Time to reach 63.2 %"));

    // In milliseconds τ shows as 1000 ms; far beyond 5τ the final values, all finite.
    Unit("cboT", 1);
    EXPECT_EQ(Text(*page_, "lblTau"), "1000");
    EXPECT_EQ(Text(*page_, "unitTau"), "ms");
    Type(*page_, "txtT", "1E300");
    EXPECT_EQ(Labels(), (QStringList{"1000", "12", "0", "0", "0.0072", "100"}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TransientPage, AnEditRecomputesOrMarksTheResultsOutOfDate) {
    TextbookCharge();
    const QLabel* vc = Child<QLabel>(*page_, "lblStorageV");
    const QWidget* curve = Child<QWidget>(*page_, "picCurve");
    Type(*page_, "txtT", "2");
    EXPECT_EQ(vc->text().toStdString(), calc::FormatNumber(12 * (1 - std::exp(-2.0))));
    EXPECT_EQ(page_->vars().Time, 2);
    // A half-typed number: dimmed, not changed, and no message.
    Type(*page_, "txtT", "2e");
    for (const char* name : kResults)
        EXPECT_TRUE(IsOutOfDate(Child<QWidget>(*page_, name))) << name;
    EXPECT_TRUE(IsOutOfDate(curve));
    EXPECT_EQ(page_->vars().Time, 2);
    EXPECT_FALSE(page_->inputsAndResults().contains("Working:"));
    Type(*page_, "txtT", "2e-1");
    EXPECT_FALSE(IsOutOfDate(vc));
    EXPECT_FALSE(IsOutOfDate(curve));
    // Discharging the inductor: the rows and the caption follow the circuit.
    Click(*page_, "optRL");
    EXPECT_TRUE(Child<QWidget>(*page_, "txtL")->isVisibleTo(page_));
    EXPECT_FALSE(Child<QWidget>(*page_, "txtC")->isVisibleTo(page_));
    EXPECT_EQ(Text(*page_, "capStorageV"), "Inductor Voltage vL");
    Type(*page_, "txtL", "10");
    Click(*page_, "optDischarge");
    EXPECT_NEAR(page_->vars().Current, 12e-4 * std::exp(-0.2 / 1e-3), 1e-18);
    EXPECT_LT(page_->vars().StorageVoltage, 0);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TransientPage, RefusedEntriesNameTheFieldAndChangeNothing) {
    struct Case {
        const char* circuit;
        const char* field;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"optRC", "txtR", "0", "Resistance R"},   {"optRC", "txtR", "-5", "Resistance R"},
        {"optRC", "txtR", "ten", "Resistance R"}, {"optRC", "txtC", "0", "Capacitance C"},
        {"optRL", "txtL", "-1", "Inductance L"},  {"optRL", "txtL", "x", "Inductance L"},
        {"optRC", "txtT", "-1", "Time t"},
    };
    TextbookCharge();
    Type(*page_, "txtL", "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + c.text);
        Click(*page_, c.circuit);
        Type(*page_, "txtR", "10");
        Type(*page_, "txtC", "100");
        Type(*page_, "txtL", "1");
        Type(*page_, "txtT", "1");
        Click(*page_, "cmdCompute");
        const calc::TransientVars before = page_->vars();
        const QStringList labels = Labels();
        messages_.clear();
        Type(*page_, c.field, c.text);
        Click(*page_, "cmdCompute");
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_TRUE(messages_.shown[0].text.contains(QString("\"") + c.caption + "\""))
            << messages_.shown[0].text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(*page_, c.field));
        EXPECT_EQ(page_->vars(), before);
        EXPECT_EQ(Labels(), labels);
    }
}

TEST_F(TransientPage, TheCurveIsTheModelsPoints) {
    TextbookCharge();
    Click(*page_, "optDischarge");
    const auto* view = Child<TransientCurveView>(*page_, "picCurve");
    // The values as the page read them (100 · 1E-6 is not the double 100E-6).
    const calc::TransientVars& v = page_->vars();
    const calc::transient::Inputs model{.circuit = calc::transient::Circuit::RC,
                                        .step = calc::transient::Step::Discharge,
                                        .r = v.Resistance,
                                        .storage = v.Capacitance,
                                        .v = v.SourceVoltage};
    const auto expected = calc::transient::Curve(model, calc::kCurvePoints);
    const auto& points = view->points();
    ASSERT_EQ(points.size(), expected.size());
    EXPECT_EQ(points.front().t, 0);
    EXPECT_DOUBLE_EQ(points.back().t, 5);
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_EQ(points[k].t, expected[k].t);
        EXPECT_EQ(points[k].storageVoltage, expected[k].storageVoltage);
        EXPECT_EQ(points[k].current, expected[k].current);
    }
    EXPECT_TRUE(view->accessibleDescription().contains("vC = 4.415 V"));

    // On the sheet while current, and left off it while out of date.
    const auto pictures = HandoutPictures(*page_);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0], view);
    const QTemporaryDir folder;
    const QString sheet = folder.filePath("transient.pdf");
    EXPECT_EQ(WriteWorkingPdf(sheet, "RC And RL Transients", page_->report(), pictures), "");
    EXPECT_GT(QFileInfo(sheet).size(), 0);
    Type(*page_, "txtR", "");
    EXPECT_TRUE(HandoutPictures(*page_).empty());
}

} // namespace
} // namespace vora::pages
