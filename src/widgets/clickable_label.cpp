// SPDX-License-Identifier: MIT
#include "clickable_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vora::widgets {

namespace {

// What screen readers see of a caption: a button named by its caption (or
// its accessible name) that can be pressed, not static text.
class CaptionButtonAccessible : public QAccessibleWidget {
public:
    explicit CaptionButtonAccessible(ClickableLabel* caption)
        : QAccessibleWidget(caption, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<ClickableLabel*>(widget())->text();
        return own;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* CaptionButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vora::widgets::ClickableLabel") && object->isWidgetType())
        return new CaptionButtonAccessible(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(CaptionButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
