// SPDX-License-Identifier: MIT
#include "page_colours.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vora::widgets {

namespace {

double Channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

QColor Mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

void Set(QPalette& p, QPalette::ColorRole role, const QColor& colour) {
    p.setColor(QPalette::All, role, colour);
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void ApplyBackground(QWidget* window, const QColor& background) {
    const QColor black(0, 0, 0), white(255, 255, 255);
    const QColor caption =
        ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
    const QColor face(240, 240, 240);
    QPalette p;
    Set(p, QPalette::Window, background);
    Set(p, QPalette::WindowText, caption);
    Set(p, QPalette::Base, white);
    Set(p, QPalette::AlternateBase, face);
    Set(p, QPalette::Text, black);
    Set(p, QPalette::PlaceholderText, QColor(96, 96, 96));
    Set(p, QPalette::Button, face);
    Set(p, QPalette::ButtonText, black);
    Set(p, QPalette::BrightText, white);
    Set(p, QPalette::Light, white);
    Set(p, QPalette::Midlight, QColor(227, 227, 227));
    Set(p, QPalette::Mid, QColor(160, 160, 160));
    Set(p, QPalette::Dark, QColor(120, 120, 120));
    Set(p, QPalette::Shadow, QColor(60, 60, 60));
    Set(p, QPalette::Highlight, QColor(0, 84, 166));
    Set(p, QPalette::HighlightedText, white);
    Set(p, QPalette::Link, QColor(0, 0, 200));
    Set(p, QPalette::LinkVisited, QColor(100, 0, 150));
    Set(p, QPalette::ToolTipBase, QColor(255, 255, 220));
    Set(p, QPalette::ToolTipText, black);
    // Greyed, but still legible, where an item is disabled.
    p.setColor(QPalette::Disabled, QPalette::WindowText, Mix(caption, background, 0.45));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

} // namespace vora::widgets
