// SPDX-License-Identifier: MIT
// The sketches carry the problem: every element's value with its unit and
// the source, in texts no smaller than the sketch font at any scale of the
// drawing, apart from each other and inside the picture.
#include "pages/ac/ac_page.h"
#include "pages/drawing/network_sketch_view.h"
#include "pages/element/element_page.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

void ExpectReadable(NetworkSketchView& sketch, const QStringList& texts) {
    // The application's font less a point, never under 8 pt.
    const double points = std::max(8.0, QApplication::font().pointSizeF() - 1);
    const double smallest = points * sketch.logicalDpiY() / 72.0;
    for (const QSize size : {sketch.size(), sketch.minimumSizeHint()}) {
        sketch.resize(size);
        const std::vector<SketchLabel> labels = sketch.labels();
        QStringList shown;
        for (const SketchLabel& label : labels)
            shown << QString(label.text).replace('\n', ' ');
        const std::string context = shown.join(" | ").toStdString() + " at " +
                                    std::to_string(size.width()) + "x" +
                                    std::to_string(size.height());
        for (const QString& text : texts)
            EXPECT_TRUE(shown.contains(text)) << text.toStdString() << " not in " << context;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_GE(QFontInfo(labels[i].font).pixelSize(), smallest - 0.5) << context;
            EXPECT_TRUE(QRectF(sketch.rect()).contains(labels[i].rect)) << context;
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].rect.intersects(labels[j].rect)) << context;
        }
    }
}

TEST(SketchLabels, ElementPageAndParallelAcCircuitShowEveryValueReadably) {
    testing::RecordingMessages messages;
    frmDC dc(messages);
    dc.show();
    const char* values[4] = {"10", "20", "4.7", "1.5"};
    const char* options[4] = {"optR1s", "optR2p", "optR3s", "optR4p"};
    for (int k = 1; k <= 4; ++k) {
        Type(dc, QString("txtR%1").arg(k), values[k - 1]);
        Click(dc, options[k - 1]);
    }
    Child<widgets::UnitList>(dc, "cboR3")->setCurrentIndex(1); // Kohm
    Click(dc, "optV");
    Type(dc, "txtIV", "12");
    dc.optR2p_DblClick();
    QApplication::processEvents();
    ExpectReadable(*Child<NetworkSketchView>(dc, "picNetwork"),
                   {"R1 = 10 Ω", "R2 = 20 Ω", "R3 = 4.7 kΩ", "R4 = 1.5 Ω", "V = 12 V"});

    FrmAC ac(messages);
    ac.show();
    Type(ac, "txtR1", "100");
    Click(ac, "optR1p");
    Type(ac, "txtXL", "10");
    Child<widgets::UnitList>(ac, "cboXL")->setCurrentIndex(1); // mH
    Click(ac, "optXLp");
    Type(ac, "txtXC", "4.7");
    Child<widgets::UnitList>(ac, "cboXC")->setCurrentIndex(1); // µF
    Click(ac, "OptXcp");
    Click(ac, "optV");
    Type(ac, "txtIV", "230");
    Type(ac, "txtF", "50");
    Child<widgets::UnitList>(ac, "cboF")->setCurrentIndex(0); // Hz
    Click(ac, "cmdRP");
    QApplication::processEvents();
    for (const char* name : {"picNetwork", "Image1"})
        ExpectReadable(*Child<NetworkSketchView>(ac, name),
                       {"R = 100 Ω", "L = 10 mH", "C = 4.7 µF", "V = 230 V rms, 50 Hz"});
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace vora::pages
