// SPDX-License-Identifier: MIT
#include "report.h"

#include "widgets/message_boxes.h"

#include <QWidget>

namespace vora::pages {

void ReportFailure(QWidget* window, widgets::MessageBoxes& messages, const calc::Failure& failure) {
    if (!failure.alreadyReported)
        messages.show(window, widgets::MessageBoxes::Icon::Warning,
                      QString::fromStdString(failure.title), QString::fromStdString(failure.text));
    if (failure.field.empty()) return;
    if (auto* field = window->findChild<QWidget*>(QString::fromStdString(failure.field)))
        field->setFocus(Qt::OtherFocusReason);
}

} // namespace vora::pages
