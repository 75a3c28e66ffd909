// SPDX-License-Identifier: MIT
#include "report.h"

#include "result_label.h"
#include "widgets/message_boxes.h"
#include "widgets/working_panel.h"

#include <QWidget>

namespace vora::pages {

void ReportFailure(QWidget* window, widgets::MessageBoxes& messages, const calc::Failure& failure) {
    if (!failure.alreadyReported)
        messages.show(window,
                      failure.recommendation ? widgets::MessageBoxes::Icon::Information
                                             : widgets::MessageBoxes::Icon::Warning,
                      QString::fromStdString(failure.title), QString::fromStdString(failure.text));
    if (failure.field.empty()) return;
    if (auto* field = window->findChild<QWidget*>(QString::fromStdString(failure.field)))
        field->setFocus(Qt::OtherFocusReason);
}

PageReport ReportOf(QStringList lines, const widgets::WorkingPanel* working) {
    PageReport report{std::move(lines), std::nullopt, {}};
    if (!working->text().isEmpty() && !IsOutOfDate(working))
        report.working = working->text().split('\n');
    return report;
}

} // namespace vora::pages
