// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include <QMessageBox>
#include <QWidget>

namespace vora::widgets {

void ModalMessageBoxes::show(QWidget* parent, Icon icon, const QString& title,
                             const QString& text) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
    // The keyboard goes back to the window the box belonged to. A window
    // manager would do this; without one the focus would be left nowhere and
    // the window's menus and shortcuts would not answer the keyboard.
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
}

} // namespace vora::widgets
