// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace vora::widgets {

// A read-only result: sunken, in the colours of an entry field, reachable
// with Tab, its text selectable with the mouse and the keyboard and
// copyable; the property "result" is set so tools can find it.
//
// Behind a selectable label Qt keeps a whole text document, rebuilt on every
// new text at a cost larger than the rest of most events; so the text turns
// selectable when the display takes the focus (a click or Tab, before the
// click itself is handled) and plain again when the focus moves on. A
// double-click selects the whole number, not the digits up to its point.
class ResultDisplay : public QLabel {
    Q_OBJECT
public:
    explicit ResultDisplay(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setSelectable(bool selectable);
};

} // namespace vora::widgets
