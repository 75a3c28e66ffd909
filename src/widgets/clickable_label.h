// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace vora::widgets {

// A caption label that acts as a button: a mouse click on it, or Space, Enter
// or Return while it has the keyboard focus, emits clicked(). It takes the
// focus with Tab, shows a pointing-hand cursor, and draws a focus frame.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace vora::widgets
