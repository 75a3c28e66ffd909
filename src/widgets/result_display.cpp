// SPDX-License-Identifier: MIT
#include "result_display.h"

#include <QFocusEvent>

namespace vora::widgets {

ResultDisplay::ResultDisplay(QWidget* parent)
    : QLabel(parent) {
    setProperty("result", true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setMinimumWidth(120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setTextFormat(Qt::PlainText);
    setSelectable(false);
}

void ResultDisplay::setSelectable(bool selectable) {
    setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                       : Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus); // which Qt changes with the flags
}

void ResultDisplay::focusInEvent(QFocusEvent* event) {
    setSelectable(true);
    QLabel::focusInEvent(event);
}

void ResultDisplay::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    // A context menu or another window takes the focus only for a while:
    // the selection stays for when it comes back.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setSelectable(false);
}

void ResultDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (hasSelectedText()) setSelection(0, static_cast<int>(text().size()));
}

} // namespace vora::widgets
