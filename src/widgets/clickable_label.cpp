// SPDX-License-Identifier: MIT
#include "clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vora::widgets {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setForegroundRole(QPalette::ButtonText);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void ClickableLabel::initButtonOption(QStyleOptionButton* option) const {
    option->initFrom(this);
    option->text = text();
    option->features = QStyleOptionButton::None;
    if (pressed_)
        option->state |= QStyle::State_Sunken;
    else
        option->state |= QStyle::State_Raised;
}

QSize ClickableLabel::sizeHint() const {
    QStyleOptionButton option;
    initButtonOption(&option);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return style()
        ->sizeFromContents(QStyle::CT_PushButton, &option, text, this)
        .expandedTo(QSize(text.width() + 24, 0));
}

QSize ClickableLabel::minimumSizeHint() const {
    return sizeHint();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    update();
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier) {
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void ClickableLabel::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initButtonOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace vora::widgets
