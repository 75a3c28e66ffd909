// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace vora::widgets {

// Gives a window (or a panel) its background colour and a whole palette for
// the controls on it. The background colours are fixed, so the palette does
// not follow the desktop's either: a dark desktop palette would put dark
// fields and dark option circles on a yellow page. Captions on the
// background are black or white, whichever contrasts more; entry fields,
// lists, results and the working are dark text on white; buttons dark text
// on light grey. Every text meets WCAG AA (4.5:1) against what it is
// painted on.
void ApplyBackground(QWidget* window, const QColor& background);

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

} // namespace vora::widgets
