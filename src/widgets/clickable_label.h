// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

class QStyleOptionButton;

namespace vora::widgets {

// A caption label that acts as a button, and looks like one so that users
// find it: a mouse click on it, or Space, Enter or Return while it has the
// keyboard focus, emits clicked(). It takes the focus with Tab and shows a
// pointing-hand cursor; it is drawn raised, lit under the pointer, sunken
// while pressed and framed while it has the focus.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

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
    void initButtonOption(QStyleOptionButton* option) const;

    bool pressed_ = false;
};

} // namespace vora::widgets
