// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollArea>

class QMainWindow;

namespace vora::widgets {

// The body of a window (everything under its menu bar), in a frameless
// scroll area.
//
// The window's minimum size fits every control of the body at its size
// hint, wrapped texts at their height for the width, so that no control is
// ever squeezed. Where the screen is smaller than that, the minimum is the
// screen (less room for the window frame) and the body scrolls instead. The
// window opens at the body's preferred size, or `openWidth` wide, as far as
// the screen allows, unless someone sized it before it was first shown. A
// control that takes the focus is scrolled into view whole.
class PageBody : public QScrollArea {
    Q_OBJECT
public:
    PageBody(QWidget* body, int openWidth, QWidget* parent = nullptr);
    ~PageBody() override;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The body at `width` (its height for that width) plus what the window
    // adds around it, capped by the screen.
    QSize fitted(int width) const;
    QSize room() const;
    // Scrolls the control that took the focus into view.
    void showWhole(QWidget* control);

    int openWidth_;
    bool shown_ = false;
    QMetaObject::Connection focusFollower_;
};

// Makes `body` the window's scrolling body (see PageBody).
PageBody* SetPageBody(QMainWindow* window, QWidget* body, int openWidth = 0);

} // namespace vora::widgets
