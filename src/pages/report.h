// SPDX-License-Identifier: MIT
#pragma once

#include "calc/outcome.h"

class QWidget;

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::pages {

// The failure half of every event: one warning box (unless the cause was
// already announced during the same event) and the focus on the offending
// control. The caller has changed nothing yet, so nothing needs undoing.
void ReportFailure(QWidget* window, widgets::MessageBoxes& messages, const calc::Failure& failure);

} // namespace vora::pages
