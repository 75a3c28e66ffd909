// SPDX-License-Identifier: MIT
// The diagrams' labels can always be read: for random circuits, resonant
// ones among them (arrows on top of each other), and both three-phase
// diagrams, no label covers another or lies under an arrow, the arc or a
// leader line, on screen at the opening and the smallest size and on the PDF.
#include "pages/ac/ac_page.h"
#include "pages/drawing/vector_diagram_view.h"
#include "shell/window_set.h"
#include "support/diagram_geometry.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace vora::pages {
namespace {

using shell::WindowId;
using testing::Child;
using testing::Click;
using testing::Type;

QString Number(double v) {
    return QString::number(v, 'g', 6);
}

class DiagramLabels : public ::testing::Test {
protected:
    // Checks `view` as it is now, at the smallest size its window takes, and as the saved
    // working prints it (pixels of 1/96 inch on a 300 dpi sheet, 10 px type).
    void ExpectReadable(VectorDiagramView& view, const QRectF& pdfArea, const QString& name) {
        if (view.diagram().empty()) return;
        ++diagrams_;
        const auto check = [&](const VectorDiagramView::Geometry& g, const QRectF& area,
                               const char* where) {
            for (const std::string& problem : testing::LabelProblems(g, area))
                ADD_FAILURE() << name.toStdString() << ", " << where << ": " << problem << "\n"
                              << view.accessibleDescription().toStdString();
        };
        check(view.geometry(), view.rect(), "opening size");
        keep(view, name + "_open");
        QWidget& window = *view.window();
        const QSize opening = window.size();
        window.resize(window.minimumSize());
        QApplication::processEvents();
        check(view.geometry(), view.rect(), "smallest size");
        keep(view, name + "_small");
        window.resize(opening);
        QApplication::processEvents();

        QImage sheet(1, 1, QImage::Format_RGB32);
        sheet.setDotsPerMeterX(qRound(300 / 0.0254));
        sheet.setDotsPerMeterY(qRound(300 / 0.0254));
        QPainter p(&sheet);
        p.scale(300 / 96.0, 300 / 96.0);
        QFont font = p.font();
        font.setPixelSize(10);
        p.setFont(font);
        check(view.geometryOn(p, pdfArea), pdfArea, "PDF");
    }

    // VORA_KEEP_DIAGRAMS names a folder that keeps pictures of the diagrams, to look at them.
    void keep(VectorDiagramView& view, const QString& name) {
        const QString folder = qEnvironmentVariable("VORA_KEEP_DIAGRAMS");
        if (!folder.isEmpty()) view.grab().save(QDir(folder).filePath(name + ".png"));
    }

    testing::RecordingMessages messages_;
    shell::WindowSet windows_{messages_};
    int diagrams_ = 0;
};

TEST_F(DiagramLabels, NeverCollideInTheAcDiagrams) {
    windows_.ShowPage(WindowId::FrmAC);
    auto& ac = dynamic_cast<FrmAC&>(*windows_.window(WindowId::FrmAC));
    auto* phasors = Child<VectorDiagramView>(ac, "picPhasors");
    auto* power = Child<VectorDiagramView>(ac, "picPower");
    std::mt19937 rng(27);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto logUniform = [&](double low, double high) {
        return low * std::pow(high / low, unit(rng));
    };
    const char* options[3][2] = {{"optR1s", "optR1p"}, {"optXLs", "optXLp"}, {"OPtXcs", "OptXcp"}};
    for (int round = 0; round < 60; ++round) {
        // Half the circuits resonate, or nearly, in series or in parallel:
        // the reactive arrows cancel, and the resistor's lies on the source's.
        const bool resonant = round % 4 < 2;
        const double f = resonant ? 50 : logUniform(1, 1e4);
        const double l = resonant ? 0.1 : logUniform(1e-4, 10);
        const double w = 2 * std::numbers::pi * f;
        const double c =
            resonant ? 1 / (w * w * l) * (1 + 0.02 * (unit(rng) - 0.5)) : logUniform(1e-9, 1e-3);
        const bool series = round % 4 == 0;
        const double r = resonant ? (series ? 1 : 1e4) : logUniform(0.1, 1e4);
        char connection[3];
        for (char& k : connection) {
            const int pick = static_cast<int>(unit(rng) * 3);
            k = resonant ? (series ? 's' : 'p') : "spn"[pick];
        }
        const bool voltage = resonant || unit(rng) < 0.5;
        ac.mnuAll_Click();
        const double values[3] = {r, l, c * 1e6};
        const char* entries[3] = {"txtR1", "txtXL", "txtXC"};
        for (int k = 0; k < 3; ++k) {
            if (connection[k] == 'n') continue;
            Type(ac, entries[k], Number(values[k]));
            Click(ac, options[k][connection[k] == 'p']);
        }
        Child<widgets::UnitList>(ac, "cboXC")->setCurrentIndex(1);
        Type(ac, "txtF", Number(f));
        Child<widgets::UnitList>(ac, "cboF")->setCurrentIndex(0);
        if (auto* source = Child<QAbstractButton>(ac, voltage ? "optV" : "optI");
            !source->isChecked()) // a second click would clear it
            source->click();
        Type(ac, "txtIV", Number(voltage ? 230 : logUniform(1e-3, 10)));
        Click(ac, "cmdRP");
        if (!messages_.shown.empty()) { // no circuit: elements with different choices
            messages_.shown.clear();
            continue;
        }
        const QString name = QString("ac%1_%2").arg(round).arg(QString::fromLatin1(connection, 3));
        SCOPED_TRACE(name.toStdString());
        ExpectReadable(*phasors, QRectF(49, 400, 342, 148), name + "_phasors");
        ExpectReadable(*power, QRectF(401, 400, 342, 148), name + "_power");
    }
    EXPECT_GE(diagrams_, 60);
}

TEST_F(DiagramLabels, NeverCollideInTheThreePhaseDiagrams) {
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const WindowId id : {WindowId::frmThreeLtop, WindowId::FrmThreePtoL}) {
        windows_.ShowPage(id);
        QMainWindow& page = *windows_.window(id);
        auto* voltages = Child<VectorDiagramView>(page, "picVoltages");
        for (int round = 0; round < 8; ++round) {
            const bool star = round % 2 == 0;
            Click(page, star ? "optY" : "optD");
            Type(page, "txtVT", Number(std::pow(10, 6 * unit(rng))));
            QTest::mouseClick(Child<QWidget>(page, "lblV2"), Qt::LeftButton);
            ASSERT_TRUE(messages_.shown.empty());
            const QString name = page.objectName() + (star ? "_star" : "_delta");
            SCOPED_TRACE(name.toStdString());
            ExpectReadable(*voltages, QRectF(49, 300, 696, 238), name);
        }
    }
    EXPECT_EQ(diagrams_, 16);
}

} // namespace
} // namespace vora::pages
