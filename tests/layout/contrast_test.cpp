// SPDX-License-Identifier: MIT
// The contrast of every text of every window against the colour it is
// really painted on, measured in the window's own pixels, under Qt's
// default palette and under a dark desktop palette: at least 4.5:1 (WCAG AA)
// for entry fields, result fields, options, captions, buttons, group box
// titles, the menu bar and the Working panel. Text is drawn without
// antialiasing here, so that its pixels carry its colour exactly. An
// option's circle must stand out from the page, and its check mark from the
// circle, by at least 3:1 (WCAG's contrast for the parts of a control).
#include "shell/window_registry.h"
#include "shell/window_set.h"
#include "support/dark_palette.h"
#include "support/recording_messages.h"
#include "widgets/clickable_label.h"
#include "widgets/working_panel.h"
#include "widgets/working_view.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Ratio(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string Hex(QRgb c) {
    return QColor(c).name().toStdString();
}

// The colour most of the region is painted in, and the pixel that stands
// out from it most: the text.
struct Measured {
    QRgb background = 0, ink = 0;
    double contrast = 1;
};

Measured Measure(const QImage& image, const QRect& region) {
    const QRect r = region.intersected(image.rect());
    QHash<QRgb, int> count;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[image.pixel(x, y) | 0xff000000];
    Measured m;
    int most = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            m.background = it.key();
        }
    m.ink = m.background;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (Ratio(it.key(), m.background) > m.contrast) {
            m.contrast = Ratio(it.key(), m.background);
            m.ink = it.key();
        }
    return m;
}

struct Region {
    std::string what;
    QRect rect; // in window coordinates
};

QRect InWindow(const QWidget* w, const QRect& r) {
    return r.translated(w->mapTo(w->window(), QPoint()));
}

// Every text on the window and where it is drawn.
std::vector<Region> Texts(QMainWindow* window) {
    std::vector<Region> regions;
    auto add = [&](const QWidget* w, const QRect& r) {
        regions.push_back(
            {std::string(w->metaObject()->className()) + " " + w->objectName().toStdString(),
             InWindow(w, r)});
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (qobject_cast<widgets::ClickableLabel*>(w) || qobject_cast<QPushButton*>(w)) {
            add(w, w->rect().adjusted(5, 5, -5, -5));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().trimmed().isEmpty()) add(w, label->contentsRect());
        } else if (auto* entry = qobject_cast<QLineEdit*>(w)) {
            if (!entry->text().isEmpty()) add(w, entry->rect().adjusted(4, 4, -4, -4));
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            const int indicator =
                option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
            add(w, option->rect().adjusted(indicator, 0, 0, 0));
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (!box->title().trimmed().isEmpty())
                add(w, QRect(0, 0,
                             std::min(box->width(),
                                      box->fontMetrics().horizontalAdvance(box->title()) + 8),
                             box->fontMetrics().height()));
        } else if (auto* working = qobject_cast<widgets::WorkingView*>(w)) {
            add(w, working->viewport()->geometry());
        } else if (w->objectName() == "picNetwork") {
            add(w, w->rect()); // "No network computed" until a result
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : bar->actions())
                add(w, bar->actionGeometry(a).adjusted(2, 2, -2, -2));
        }
    }
    return regions;
}

// Text in every field, a result in every result label, a working on the
// panel, and one option of each pair checked.
void FillIn(QMainWindow* w) {
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (e->text().isEmpty()) e->setText("12.5");
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->property("result").toBool()) l->setText("0.327272727272727");
    for (auto* panel : w->findChildren<widgets::WorkingPanel*>())
        panel->setText("I2 = V2 / R2 = 6.54545454545454 / 20 = 0.327272727272727 A");
    for (const char* name : {"optR1s", "optC1s", "optV", "optY", "OPtXcs"})
        if (auto* option = w->findChild<QRadioButton*>(name)) option->setChecked(true);
}

class Contrast : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(GetParam() ? testing::DarkPalette()
                                            : QApplication::style()->standardPalette());
        QFont font = QApplication::font();
        font.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(font);
        windows_ = std::make_unique<WindowSet>(messages_);
    }
    void TearDown() override {
        windows_.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    QImage Shown(WindowId id) {
        QMainWindow* w = windows_->window(id);
        windows_->ShowOnly(id);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        FillIn(w);
        // The offscreen screen is small: room for the whole body, unscrolled.
        w->resize(1400, 1000);
        QApplication::processEvents();
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    testing::RecordingMessages messages_;
    std::unique_ptr<WindowSet> windows_;
};

TEST_P(Contrast, EveryTextStandsOutFromWhatItIsPaintedOn) {
    for (WindowId id : kWindowIds) {
        const QImage image = Shown(id);
        QMainWindow* w = windows_->window(id);
        const std::vector<Region> texts = Texts(w);
        EXPECT_GE(texts.size(), 3u) << w->objectName().toStdString();
        for (const Region& text : texts) {
            const Measured m = Measure(image, text.rect);
            EXPECT_GE(m.contrast, 4.5) << w->objectName().toStdString() << ": " << text.what << ", "
                                       << Hex(m.ink) << " on " << Hex(m.background);
        }
        windows_->Hide(id);
    }
}

TEST_P(Contrast, OptionCirclesAndTheirMarksStandOut) {
    for (WindowId id : {WindowId::frmDC, WindowId::frmDCC, WindowId::frmDCL, WindowId::FrmAC,
                        WindowId::frmThreeLtop}) {
        const QImage image = Shown(id);
        QMainWindow* w = windows_->window(id);
        const std::string where = w->objectName().toStdString();
        const QColor page = w->palette().color(QPalette::Window);
        // A checked option and its unchecked partner, side by side.
        QRadioButton* on = nullptr;
        QRadioButton* off = nullptr;
        for (auto* option : w->findChildren<QRadioButton*>())
            if (option->isChecked() && !on) on = option;
        ASSERT_NE(on, nullptr) << where;
        for (auto* option : on->parentWidget()->findChildren<QRadioButton*>())
            if (!option->isChecked()) off = option;
        ASSERT_NE(off, nullptr) << where;
        const int size = on->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, on);
        auto circle = [&](QRadioButton* o) {
            return InWindow(o, QRect(0, (o->height() - size) / 2, size, size));
        };
        const QRect a = circle(on), b = circle(off);
        double ring = 1, mark = 1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb checked = image.pixel(a.x() + x, a.y() + y);
                const QRgb clear = image.pixel(b.x() + x, b.y() + y);
                ring = std::max(ring, Ratio(clear, page.rgb()));
                mark = std::max(mark, Ratio(checked, clear));
            }
        EXPECT_GE(ring, 3.0) << where << ": the option's circle on " << page.name().toStdString();
        EXPECT_GE(mark, 3.0) << where << ": the check mark in " << on->objectName().toStdString();
        windows_->Hide(id);
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, Contrast, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Default"; });

} // namespace
} // namespace vora::shell
