// SPDX-License-Identifier: MIT
#include "page_colours.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace vora::widgets {

void ApplyBackground(QWidget* window, const QColor& background) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    // Relative luminance decides between black and white captions.
    const double luminance =
        0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    const QColor text = luminance < 0.4 ? Qt::white : Qt::black;
    palette.setColor(QPalette::WindowText, text);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void MakeResultDisplay(QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label) return;
    label->setProperty("result", true);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setMinimumWidth(120);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, to select and copy
}

} // namespace vora::widgets
