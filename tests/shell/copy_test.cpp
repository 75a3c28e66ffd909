// SPDX-License-Identifier: MIT
// Copying a page's inputs and results as plain text, from the keyboard.
#include "calc/number.h"
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/registered_page.h"
#include "support/widgets.h"
#include "widgets/clickable_label.h"
#include "widgets/option_button.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace vora::shell {
namespace {

using testing::Click;
using testing::Type;

QString CopyWithShortcut(QMainWindow* w) {
    QApplication::clipboard()->clear();
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return QApplication::clipboard()->text();
}

TEST(CopyAll, EveryCalculationPageCopiesItsInputsAndResults) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);

    windows.ShowPage(WindowId::frmDC);
    QMainWindow* dc = windows.window(WindowId::frmDC);
    Type(*dc, "txtR1", "10");
    Click(*dc, "optR1s");
    Type(*dc, "txtR2", "20");
    Click(*dc, "optR2s");
    Click(*dc, "cmdRT");
    const QString text = CopyWithShortcut(dc);
    EXPECT_TRUE(text.contains("R1 = 10 Ohm, Series")) << text.toStdString();
    EXPECT_TRUE(text.contains("R3 = (empty), no connection")) << text.toStdString();
    EXPECT_TRUE(text.contains("Total Resistance = 30 Ohm")) << text.toStdString();

    windows.ShowPage(WindowId::frmThreeLtop);
    QMainWindow* ltop = windows.window(WindowId::frmThreeLtop);
    Click(*ltop, "optY");
    Type(*ltop, "txtIT", "10");
    const QString three = CopyWithShortcut(ltop);
    EXPECT_TRUE(three.contains("Line Current = 10 A")) << three.toStdString();

    for (WindowId id : testing::CalculationPages()) {
        windows.ShowPage(id);
        EXPECT_FALSE(CopyWithShortcut(windows.window(id)).isEmpty());
    }
    // The main window has no such command.
    windows.ShowPage(WindowId::frmmain);
    EXPECT_TRUE(CopyWithShortcut(windows.window(WindowId::frmmain)).isEmpty());
}

// The engineering form as a reader takes it: its number times its prefix.
std::optional<std::pair<double, QString>> ReadEngineering(const QString& text) {
    const qsizetype blank = text.indexOf(' ');
    if (blank < 0) return std::nullopt;
    const calc::Parsed number = calc::ParseStrict(text.left(blank).toStdString());
    if (!number) return std::nullopt;
    QString unit = text.mid(blank + 1);
    const QString prefixes = "afpn\u00B5m kMGTPE";
    double value = number.value;
    const qsizetype at = prefixes.indexOf(unit.left(1));
    if (at >= 0 && at != 6 && unit.size() > 1) {
        value *= std::pow(10.0, 3 * (static_cast<int>(at) - 6));
        unit = unit.mid(1);
    }
    return std::make_pair(value, unit);
}

// Every result that shows a number offers it in engineering form, in its
// tool-tip and for screen readers, in the unit of its quantity, and the
// copied text carries it; read back, it is the shown value to four digits.
TEST(CopyAll, EveryResultOffersItsEngineeringForm) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    struct Page {
        WindowId id;
        std::vector<std::pair<const char*, QString>> fields; // typed, or clicked when empty
        std::map<QString, QString> units;                    // of each result label
    };
    const QString ohm = "\u03A9";
    const Page pages[] = {
        {WindowId::frmDC,
         {{"txtR1", "470"},
          {"optR1s", ""},
          {"txtR2", "2.2E3"},
          {"optR2p", ""},
          {"txtR3", "330"},
          {"optR3p", ""},
          {"cmdRT", ""},
          {"optV", ""},
          {"txtIV", "9"}},
         {{"lblRT", ohm}, {"lblIT", "A"}, {"lblVT", "V"}, {"lblPT", "W"}}},
        {WindowId::frmDCC,
         {{"txtC1", "4.7E-6"},
          {"optC1s", ""},
          {"txtC2", "2.2E-9"},
          {"optC2p", ""},
          {"cmdCT", ""},
          {"optI", ""},
          {"txtIV", "3E-7"}},
         {{"lblCT", "F"}, {"lblIT", "C"}, {"lblVT", "V"}, {"lblUT", "J"}}},
        {WindowId::frmDCL,
         {{"txtR1", "0.015"},
          {"optR1p", ""},
          {"txtR2", "0.033"},
          {"optR2p", ""},
          {"cmdRT", ""},
          {"optI", ""},
          {"txtIV", "0.25"}},
         {{"lblRT", "H"}, {"lblIT", "A"}, {"lblVT", "V"}, {"lblLT", "J"}}},
        {WindowId::FrmAC,
         {{"txtR1", "150"},
          {"optR1s", ""},
          {"txtXL", "0.2"},
          {"optXLs", ""},
          {"txtXC", "4.7E-5"},
          {"OptXcp", ""},
          {"cmdZT", ""},
          {"optV", ""},
          {"txtIV", "230"},
          {"cmdRP", ""},
          {"cmdXL", ""},
          {"cmdXC", ""}},
         {{"lblZT", ohm},
          {"lblP", "W"},
          {"lblXL", "VAR"},
          {"lblXC", "VA"},
          {"lblIV", "A"},
          {"lblVV", "V"}}},
        {WindowId::frmThreeLtop,
         {{"optD", ""},
          {"txtIT", "12.5"},
          {"txtVT", "415"},
          {"lblI2", ""},
          {"lblV2", ""},
          {"lblZ2", ""},
          {"lblS2", ""}},
         {{"lblI0", "A"}, {"lblV0", "V"}, {"lblZ0", ohm}, {"lblS0", "VA"}}},
        {WindowId::FrmThreePtoL,
         {{"optY", ""},
          {"txtIT", "0.04"},
          {"txtVT", "127"},
          {"txtZT", "3.3E4"},
          {"lblI2", ""},
          {"lblV2", ""},
          {"lblZ2", ""},
          {"lblS2", ""}},
         {{"lblI0", "A"}, {"lblV0", "V"}, {"lblZ0", ohm}, {"lblS0", "VA"}}},
    };
    for (const Page& page : pages) {
        windows.ShowPage(page.id);
        QMainWindow* w = windows.window(page.id);
        const std::string where = w->objectName().toStdString() + ": ";
        for (const auto& [name, text] : page.fields) {
            if (!text.isEmpty())
                Type(*w, name, text);
            else if (auto* caption = w->findChild<widgets::ClickableLabel*>(name))
                emit caption->clicked();
            else
                Click(*w, name);
        }
        if (page.id == WindowId::FrmAC) {
            auto* option = w->findChild<widgets::OptionButton*>("OptXcp");
            option->click();
            emit option->doubleClicked();
        } else if (page.units.count("lblPT") || page.units.count("lblUT") ||
                   page.units.count("lblLT")) {
            auto* option = w->findChild<widgets::OptionButton*>(
                page.id == WindowId::frmDCC ? "optC2p" : "optR2p");
            option->click();
            emit option->doubleClicked();
        }
        EXPECT_TRUE(messages.shown.empty()) << where;
        const QString copied = CopyWithShortcut(w);
        for (const auto& [name, unit] : page.units) {
            const auto* label = w->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << where << name.toStdString();
            const std::string what = where + name.toStdString() + " " + label->text().toStdString();
            const calc::Parsed shown = calc::ParseStrict(label->text().toStdString());
            ASSERT_TRUE(shown) << what;
            EXPECT_EQ(label->accessibleDescription(), label->toolTip()) << what;
            // Its first line; a second may say what kind of value it is (rms).
            const QString tip = label->toolTip().section('\n', 0, 0);
            const auto read = ReadEngineering(tip);
            ASSERT_TRUE(read) << what << " has \"" << label->toolTip().toStdString() << "\"";
            EXPECT_EQ(read->second, unit) << what;
            EXPECT_NEAR(read->first, shown.value, std::fabs(shown.value) * 5e-4) << what;
            EXPECT_TRUE(copied.contains(" (" + tip + ")")) << what;
        }
    }
}

} // namespace
} // namespace vora::shell
