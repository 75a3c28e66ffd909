// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace vora::widgets {

// The one way the program shows a message: a modal box with a title, an icon
// and an OK button, waited for before the handler goes on. Tests put a
// recording implementation in its place so that nothing blocks.
class MessageBoxes {
public:
    enum class Icon { Information, Warning };

    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
};

// Runs a modal dialog and then hands the keyboard back to the window it
// belongs to. A window manager would do this; without one the focus would be
// left nowhere and the window's menus and shortcuts would not answer the
// keyboard.
int ExecModal(QDialog& dialog);

// The real boxes, on screen.
class ModalMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
};

} // namespace vora::widgets
