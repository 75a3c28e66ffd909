// SPDX-License-Identifier: MIT
#pragma once

#include "calc/outcome.h"
#include "calculation_page.h"

#include <QStringList>

class QWidget;

namespace vora::widgets {
class MessageBoxes;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

// The failure half of every event: one warning box (unless the cause was
// already announced during the same event) and the focus on the offending
// control. The caller has changed nothing yet, so nothing needs undoing.
void ReportFailure(QWidget* window, widgets::MessageBoxes& messages, const calc::Failure& failure);

// A page's report: its lines of inputs and results, then the working where
// it is shown and not out of date.
PageReport ReportOf(QStringList lines, const widgets::WorkingPanel* working);

} // namespace vora::pages
