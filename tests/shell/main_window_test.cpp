// SPDX-License-Identifier: MIT
// The main window opens cheaply and looks like plain Qt widgets: the welcome text paints
// and measures exactly as a selectable, word-wrapped QLabel and becomes
// selectable on the first click; the pictures are the SVGs, rendered.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "widgets/wrapped_text.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <utility>

namespace vora::shell {
namespace {

QString Resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

TEST(MainWindow, WelcomeTextLooksAndMeasuresAsASelectableLabel) {
    const QStringList texts{
        Resource(":/texts/welcome.txt"),
        "Short.",
        "A word far too long for its line: Antidisestablishmentarianism-and-more\n\nThen,\ta tab.",
    };
    for (const QString& text : texts) {
        QLabel label(text);
        label.setWordWrap(true);
        label.setMargin(12);
        label.setTextInteractionFlags(Qt::TextSelectableByMouse);
        widgets::WrappedText wrapped(text);
        wrapped.setMargin(12);
        const std::string what = text.left(20).toStdString();
        EXPECT_EQ(wrapped.minimumSizeHint(), label.minimumSizeHint()) << what;
        for (int width : {120, 300, 455, 637, 1200}) {
            const int height = label.heightForWidth(width);
            EXPECT_EQ(wrapped.heightForWidth(width), height) << what << " at " << width;
            label.resize(width, height + 31);
            wrapped.resize(width, height + 31);
            EXPECT_EQ(wrapped.grab().toImage(), label.grab().toImage()) << what << " at " << width;
        }
    }
}

TEST(MainWindow, WelcomeTextSelectableFromTheFirstClick) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    QMainWindow* main = windows.window(WindowId::frmmain);
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    auto* welcome = main->findChild<QLabel*>("I4");
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->wordWrap());
    const QImage before = welcome->grab().toImage();
    // A double-click on the first word selects it.
    const QPoint first(welcome->margin() + 12, welcome->height() / 2);
    const int line = welcome->fontMetrics().height();
    const int top = (welcome->height() - welcome->heightForWidth(welcome->width())) / 2;
    const QPoint at(first.x(), welcome->margin() + top + line / 2);
    QTest::mouseDClick(welcome, Qt::LeftButton, {}, at);
    EXPECT_TRUE(welcome->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    EXPECT_EQ(welcome->selectedText(), "Thank");
    welcome->setSelection(0, 0);
    EXPECT_EQ(welcome->grab().toImage(), before);
}

TEST(MainWindow, PicturesAreTheirSvgsRendered) {
    testing::RecordingMessages messages;
    WindowSet windows(messages);
    QMainWindow* main = windows.window(WindowId::frmmain);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    for (const auto& [name, svg] : {std::pair{"I1", ":/pictures/resonance.svg"},
                                    std::pair{"I3", ":/pictures/instruments.svg"}}) {
        QWidget* picture = main->findChild<QWidget*>(name);
        ASSERT_NE(picture, nullptr) << name;
        QImage expected(picture->size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(main->palette().color(QPalette::Window));
        QPainter painter(&expected);
        QSvgRenderer(QString(svg)).render(&painter);
        painter.end();
        const QImage shown = picture->grab().toImage().convertToFormat(expected.format());
        ASSERT_EQ(shown.size(), expected.size()) << name;
        int off = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
                if (std::abs(qRed(a) - qRed(b)) > 3 || std::abs(qGreen(a) - qGreen(b)) > 3 ||
                    std::abs(qBlue(a) - qBlue(b)) > 3)
                    ++off;
            }
        EXPECT_EQ(off, 0) << name;
    }
}

} // namespace
} // namespace vora::shell
