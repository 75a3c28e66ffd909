// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace vora::widgets {

// Gives a window its background colour and a text colour that stays readable
// on it (white on dark backgrounds such as the capacitor page's blue).
// Entry fields, lists and result displays keep their own light background.
void ApplyBackground(QWidget* window, const QColor& background);

// Styles a label as a read-only result display: sunken, light background,
// selectable text, and the property "result" set so tools can find it.
void MakeResultDisplay(QWidget* label);

} // namespace vora::widgets
