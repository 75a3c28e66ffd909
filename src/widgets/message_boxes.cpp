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
    ExecModal(box);
}

int ExecModal(QDialog& dialog) {
    const int result = dialog.exec();
    QWidget* parent = dialog.parentWidget();
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
    return result;
}

} // namespace vora::widgets
