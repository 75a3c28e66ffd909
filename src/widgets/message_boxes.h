// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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

// The real boxes, on screen.
class ModalMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
};

} // namespace vora::widgets
