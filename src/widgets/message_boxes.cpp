// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include <QMessageBox>

namespace vora::widgets {

void ModalMessageBoxes::show(QWidget* parent, Icon icon, const QString& title,
                             const QString& text) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace vora::widgets
