// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace vora::widgets {

// A radio button that also reports double-clicks.
//
// A double-click with the mouse is first an ordinary click (the option becomes
// selected and clicked() runs), and then doubleClicked() is emitted once, after
// the second release, so that a message box opened by its handler never
// interrupts the button's own mouse handling. A plain click never emits it.
// From the keyboard, Enter or Return on a focused option does what a
// double-click does: it selects the option and emits both signals.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);

    // Clears the option even though it belongs to an exclusive group.
    void clear();

    // True while Space or an arrow key is choosing an option: the choice
    // keeps the keyboard focus where it is, so that the next key the user
    // types lands on the option, not in a field the click step would move
    // the focus to. A mouse click (or Enter) moves the focus as usual.
    static bool choosingByKeyboard();

signals:
    void doubleClicked();

protected:
    void nextCheckState() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool doubleClickPending_ = false;
};

} // namespace vora::widgets
