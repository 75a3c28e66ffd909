// SPDX-License-Identifier: MIT
// The pictures beside the working and the working saved as a PDF: the
// diagrams draw what the computation committed, to the model's lengths and
// angles, and go with the results they belong to; a saved working is one
// PDF page that reads as the page does.
#include "pages/drawing/vector_diagram_view.h"
#include "pages/result_label.h"
#include "pages/working_pdf.h"
#include "shell/save_action.h"
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace vora::pages {
namespace {

using shell::WindowId;
using testing::Child;
using testing::Click;
using testing::Text;
using testing::Type;

// R = 100 ohm, L = 1 H, C = 10 µF in series on 10 V.
void SeriesCircuit(QMainWindow& ac) {
    Type(ac, "txtR1", "100");
    Click(ac, "optR1s");
    Type(ac, "txtXL", "1");
    Click(ac, "optXLs");
    Type(ac, "txtXC", "10");
    Click(ac, "OPtXcs");
    Child<widgets::UnitList>(ac, "cboXC")->setCurrentIndex(1);
    Click(ac, "optV");
    Type(ac, "txtIV", "10");
}

// Each arrow drawn along its phasor's angle, each kind to one scale.
void ExpectDrawnToScale(const VectorDiagramView& view) {
    const auto& arrows = view.diagram().arrows;
    const auto& shapes = view.geometry().arrows;
    ASSERT_EQ(shapes.size(), arrows.size());
    std::map<calc::Arrow::Kind, double> scale;
    for (std::size_t k = 0; k < arrows.size(); ++k) {
        const std::complex<double> phasor = arrows[k].to - arrows[k].from;
        const QLineF& line = shapes[k].line;
        EXPECT_NEAR(std::remainder(std::atan2(-line.dy(), line.dx()) - std::arg(phasor), 2 * M_PI),
                    0, 1e-9)
            << arrows[k].label;
        const double s = line.length() / std::abs(phasor);
        if (!scale.count(arrows[k].kind)) scale[arrows[k].kind] = s;
        EXPECT_NEAR(s, scale[arrows[k].kind], 1e-9 * s) << arrows[k].label;
        EXPECT_TRUE(QRectF(view.rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(shapes[k].labelBox))
            << arrows[k].label;
    }
}

class WorkingPictures : public ::testing::Test {
protected:
    testing::RecordingMessages messages_;
    shell::WindowSet windows_{messages_};
};

TEST_F(WorkingPictures, DiagramsShowTheCommittedSolutionToScale) {
    windows_.ShowPage(WindowId::FrmAC);
    QMainWindow& ac = *windows_.window(WindowId::FrmAC);
    SeriesCircuit(ac);
    auto* phasors = Child<VectorDiagramView>(ac, "picPhasors");
    auto* power = Child<VectorDiagramView>(ac, "picPower");
    Click(ac, "cmdRP");
    ASSERT_TRUE(messages_.shown.empty());
    // V, I and the three element voltages; P, Q and S.
    EXPECT_EQ(phasors->diagram().arrows.size(), 5u);
    EXPECT_EQ(power->diagram().arrows.size(), 3u);
    ExpectDrawnToScale(*phasors);
    ExpectDrawnToScale(*power);
    // The triangle's P is the figure the page shows.
    const QString p = Readable(Child<QLabel>(ac, "lblP"));
    EXPECT_EQ(QString::fromStdString(power->diagram().arrows[0].label), "P = " + p);

    // A failed event changes nothing, the pictures included.
    const calc::VectorDiagram before = phasors->diagram();
    Type(ac, "txtR1", "abc");
    Click(ac, "cmdRP");
    EXPECT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(phasors->diagram(), before);

    // A result without a source to drive the circuit leaves no stale picture.
    Type(ac, "txtR1", "200");
    Type(ac, "txtIV", "");
    Click(ac, "cmdZT");
    EXPECT_TRUE(phasors->diagram().empty());
    EXPECT_TRUE(power->diagram().empty());

    windows_.ShowPage(WindowId::frmThreeLtop);
    QMainWindow& three = *windows_.window(WindowId::frmThreeLtop);
    auto* voltages = Child<VectorDiagramView>(three, "picVoltages");
    Click(three, "optY");
    Type(three, "txtVT", "400");
    QTest::mouseClick(Child<QWidget>(three, "lblV2"), Qt::LeftButton);
    EXPECT_EQ(voltages->diagram().arrows.size(), 6u);
    ExpectDrawnToScale(*voltages);
    Click(three, "optD"); // the results follow the connection, and their diagram with them
    EXPECT_EQ(voltages->diagram().arrows.size(), 3u);
    QTest::mouseClick(Child<QWidget>(three, "lblV2"), Qt::LeftButton);
    EXPECT_EQ(voltages->diagram().arrows.size(), 3u);
}

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(WorkingPictures, SavedWorkingIsOnePdfPageWithTheNameAndResults) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdftotext.isEmpty() || pdfinfo.isEmpty()) GTEST_SKIP() << "poppler-utils missing";
    windows_.ShowPage(WindowId::FrmAC);
    QMainWindow& ac = *windows_.window(WindowId::FrmAC);
    SeriesCircuit(ac);
    Click(ac, "cmdRP");
    Click(ac, "cmdXL");
    const QString p = Text(ac, "lblP"), q = Text(ac, "lblXL");

    QTemporaryDir folder;
    const QString path = folder.filePath("working.pdf");
    ASSERT_TRUE(shell::SaveWorking(ac, "Single Phase AC Circuit", path, messages_));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(Output(pdfinfo, {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = Output(pdftotext, {"-raw", path, "-"});
    for (const QString& expected :
         {QString("Single Phase AC Circuit"), p, q, Readable(Child<QLabel>(ac, "lblP")),
          QString("Working"), QString("Circuit: R + L + C")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();

    // A value half typed: the powers are out of date, and the handout leaves
    // them out, with the working and the pictures they came from.
    Type(ac, "txtR1", "1e");
    const QString stale = folder.filePath("stale.pdf");
    ASSERT_TRUE(shell::SaveWorking(ac, "Single Phase AC Circuit", stale, messages_));
    const QString staleText = Output(pdftotext, {"-raw", stale, "-"});
    EXPECT_TRUE(staleText.contains("Active Power = (out of date)")) << staleText.toStdString();
    for (const QString& gone : {p, q, QString("Circuit: R + L + C")})
        EXPECT_FALSE(staleText.contains(gone)) << gone.toStdString();
    EXPECT_TRUE(IsOutOfDate(Child<QWidget>(ac, "picNetwork")));
    for (QWidget* picture : HandoutPictures(ac))
        EXPECT_FALSE(IsOutOfDate(picture)) << picture->objectName().toStdString();

    // A folder that is not there: one message naming the file, the page as it was.
    const QString nowhere = folder.filePath("missing/working.pdf");
    EXPECT_FALSE(shell::SaveWorking(ac, "Single Phase AC Circuit", nowhere, messages_));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Cannot Save");
    EXPECT_TRUE(messages_.shown[0].text.contains(nowhere)) << messages_.shown[0].text.toStdString();
    EXPECT_EQ(Text(ac, "lblP"), p);
    EXPECT_FALSE(QFile::exists(nowhere));

    // Every page's working fits its one page. VORA_KEEP_PDF names a folder
    // that keeps the files, to look at them.
    QMainWindow& three = *windows_.window(WindowId::frmThreeLtop);
    QTest::mouseClick(Child<QWidget>(three, "optY"), Qt::LeftButton);
    Type(three, "txtVT", "400");
    QTest::mouseClick(Child<QWidget>(three, "lblV2"), Qt::LeftButton);
    QMainWindow& dc = *windows_.window(WindowId::frmDC);
    Type(dc, "txtR1", "10");
    Click(dc, "optR1s");
    Type(dc, "txtR2", "20");
    Click(dc, "optR2p");
    Type(dc, "txtR3", "30");
    Click(dc, "optR3p");
    Type(dc, "txtR4", "47");
    Click(dc, "optR4s");
    Click(dc, "optV");
    Type(dc, "txtIV", "12");
    Click(dc, "cmdRT");
    // A four-resistor network on one sheet: every resistor's current, voltage
    // and power as the table shows them, and the day it was printed.
    auto* table = Child<QTableWidget>(dc, "tblElements");
    ASSERT_EQ(table->rowCount(), 4);
    const QString dcFile = folder.filePath("four.pdf");
    ASSERT_TRUE(shell::SaveWorking(dc, "DC Circuit Analysis", dcFile, messages_));
    const QString dcText = Output(pdftotext, {"-raw", dcFile, "-"});
    EXPECT_TRUE(dcText.contains(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)))
        << dcText.toStdString();
    for (int row = 0; row < 4; ++row)
        for (int column = 2; column < 5; ++column) {
            const QString cell = table->item(row, column)->text();
            EXPECT_FALSE(cell.isEmpty());
            EXPECT_TRUE(dcText.contains(cell)) << cell.toStdString() << "\n"
                                               << dcText.toStdString();
        }
    const QString keep = qEnvironmentVariable("VORA_KEEP_PDF");
    const std::pair<WindowId, QString> pages[] = {{WindowId::FrmAC, "Single Phase AC Circuit"},
                                                  {WindowId::frmDC, "DC Circuit Analysis"},
                                                  {WindowId::frmThreeLtop, "Line To Phase"}};
    for (const auto& [id, name] : pages) {
        const QString file = folder.filePath(windows_.window(id)->objectName() + ".pdf");
        ASSERT_TRUE(shell::SaveWorking(*windows_.window(id), name, file, messages_));
        EXPECT_TRUE(Output(pdfinfo, {file}).contains(QRegularExpression("Pages:\\s+1\\n")));
        EXPECT_TRUE(Output(pdftotext, {file, "-"}).contains(name));
        if (!keep.isEmpty()) QFile::copy(file, QDir(keep).filePath(QFileInfo(file).fileName()));
    }
}

// Ctrl+S asks with the program's own dialog, in the folder used last.
TEST_F(WorkingPictures, CtrlSAsksWhereStartingInTheFolderUsedLast) {
    QTemporaryDir folder;
    QSettings().setValue("Working/folder", folder.path());
    windows_.ShowPage(WindowId::FrmAC);
    QMainWindow& ac = *windows_.window(WindowId::FrmAC);
    QApplication::setActiveWindow(&ac);
    QString seen;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    QTest::keyClick(&ac, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(seen, QDir(folder.path()).absolutePath());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(WorkingPictures, EveryCalculationPageSavesWithCtrlSAndItsContextMenu) {
    for (WindowId id : {WindowId::frmDC, WindowId::frmDCC, WindowId::frmDCL, WindowId::FrmAC,
                        WindowId::frmThreeLtop, WindowId::FrmThreePtoL, WindowId::frmTransient}) {
        QMainWindow* page = windows_.window(id);
        QAction* save = page->findChild<QAction*>("actSaveWorking");
        ASSERT_NE(save, nullptr) << page->objectName().toStdString();
        EXPECT_EQ(save->text(), QString("Save Working as PDF") + QChar(0x2026));
        EXPECT_TRUE(page->centralWidget()->actions().contains(save));
        for (QAction* other : page->findChildren<QAction*>()) {
            if (other == save) continue;
            EXPECT_NE(other->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S))
                << other->objectName().toStdString();
        }
        EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    }
    EXPECT_EQ(windows_.window(WindowId::frmmain)->findChild<QAction*>("actSaveWorking"), nullptr);
}

// Ctrl+P prints the sheet that Ctrl+S saves: printed to a PDF printer, the
// same text; and beside the save item on every page's context menu.
TEST_F(WorkingPictures, PrintingGivesTheSheetThatIsSaved) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "poppler-utils missing";
    windows_.ShowPage(WindowId::FrmAC);
    QMainWindow& ac = *windows_.window(WindowId::FrmAC);
    SeriesCircuit(ac);
    Click(ac, "cmdRP");
    QTemporaryDir folder;
    const QString saved = folder.filePath("saved.pdf"), printed = folder.filePath("printed.pdf");
    ASSERT_TRUE(shell::SaveWorking(ac, "Single Phase AC Circuit", saved, messages_));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    ASSERT_TRUE(shell::PrintWorking(ac, "Single Phase AC Circuit", printer, messages_));
    const QString text = Output(pdftotext, {"-raw", saved, "-"});
    EXPECT_TRUE(text.contains(Text(ac, "lblP")));
    EXPECT_EQ(Output(pdftotext, {"-raw", printed, "-"}), text);
    EXPECT_TRUE(messages_.shown.empty());

    for (WindowId id : {WindowId::frmDC, WindowId::frmDCC, WindowId::frmDCL, WindowId::FrmAC,
                        WindowId::frmThreeLtop, WindowId::FrmThreePtoL, WindowId::frmTransient}) {
        QMainWindow* page = windows_.window(id);
        QAction* print = page->findChild<QAction*>("actPrintWorking");
        ASSERT_NE(print, nullptr) << page->objectName().toStdString();
        EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        const auto menu = page->centralWidget()->actions();
        EXPECT_EQ(menu.indexOf(print),
                  menu.indexOf(page->findChild<QAction*>("actSaveWorking")) + 1);
    }
    EXPECT_EQ(windows_.window(WindowId::frmmain)->findChild<QAction*>("actPrintWorking"), nullptr);
}

} // namespace
} // namespace vora::pages
