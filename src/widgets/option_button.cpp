// SPDX-License-Identifier: MIT
#include "option_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vora::widgets {

namespace {

int keyboardChoices = 0;

bool ChoosingKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

// Marks the span of one key's handling, in which Qt may click this option
// or (for an arrow) its neighbour.
struct KeyboardChoice {
    explicit KeyboardChoice(bool active)
        : active_(active) {
        if (active_) ++keyboardChoices;
    }
    ~KeyboardChoice() {
        if (active_) --keyboardChoices;
    }
    KeyboardChoice(const KeyboardChoice&) = delete;
    KeyboardChoice& operator=(const KeyboardChoice&) = delete;

private:
    bool active_;
};

} // namespace

bool OptionButton::choosingByKeyboard() {
    return keyboardChoices > 0;
}

OptionButton::OptionButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    // Fusion outlines the circle a shade darker than the background, too
    // faint to see on the bright page colours; the shade comes from grey
    // instead. Only that role is set: the rest follows the page.
    QPalette outline;
    outline.setColor(QPalette::Window, QColor(110, 110, 110));
    setPalette(outline);
}

void OptionButton::clear() {
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

// A click on the chosen option keeps it chosen. Qt lets a click clear an
// option whose frame holds another group of options (the AC page's rms and
// peak inside its source frame), taking the other group's choice for this
// one's; the source would then silently change its meaning.
void OptionButton::nextCheckState() {
    if (!isChecked()) QRadioButton::nextCheckState();
}

void OptionButton::mousePressEvent(QMouseEvent* event) {
    // A press starts a new click; a double-click that never got its release
    // must not turn this click into one.
    doubleClickPending_ = false;
    QRadioButton::mousePressEvent(event);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event alone: treat it
    // as a press, so that the release that follows completes a normal click.
    QRadioButton::mouseDoubleClickEvent(event);
    doubleClickPending_ = event->button() == Qt::LeftButton;
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event) {
    QRadioButton::mouseReleaseEvent(event);
    if (doubleClickPending_ && event->button() == Qt::LeftButton) {
        doubleClickPending_ = false;
        if (isChecked()) emit doubleClicked();
    }
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isEnabled() &&
        event->modifiers() == Qt::NoModifier) {
        click(); // selects the option and runs the click step, as the first click would
        emit doubleClicked();
        return;
    }
    const KeyboardChoice choice(ChoosingKey(event));
    QRadioButton::keyPressEvent(event);
}

void OptionButton::keyReleaseEvent(QKeyEvent* event) {
    const KeyboardChoice choice(ChoosingKey(event));
    QRadioButton::keyReleaseEvent(event);
}

} // namespace vora::widgets
