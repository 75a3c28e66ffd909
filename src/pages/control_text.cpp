// SPDX-License-Identifier: MIT
#include "control_text.h"

#include "widgets/form_controls.h"
#include "widgets/option_button.h"

#include <QLabel>

namespace vora::pages {

QLabel* MakeLabel(const ControlText& c, QWidget* parent) {
    QLabel* label = widgets::MakeLabel(c.name, c.text, parent);
    if (!c.tip.isEmpty()) label->setToolTip(c.tip);
    return label;
}

QGroupBox* MakeFrame(const ControlText& c, QWidget* parent) {
    return widgets::MakeFrame(c.name, c.text, parent);
}

QLineEdit* MakeEntry(const ControlText& c, QWidget* parent) {
    return widgets::MakeEntry(c.name, c.tip, c.accessible, parent);
}

QPushButton* MakeButton(const ControlText& c, QWidget* parent) {
    return widgets::MakeButton(c.name, c.text, parent);
}

widgets::OptionButton* MakeOption(const ControlText& c, QWidget* parent) {
    widgets::OptionButton* option =
        widgets::MakeOption(c.name, c.text, c.accessible.isEmpty() ? c.text : c.accessible, parent);
    if (!c.tip.isEmpty()) option->setToolTip(c.tip);
    return option;
}

QLabel* MakeResult(const ControlText& c, QWidget* parent) {
    return widgets::MakeResult(c.name, c.accessible, parent);
}

widgets::UnitList* MakeUnitList(const ControlText& c, QWidget* parent) {
    return widgets::MakeUnitList(c.name, c.accessible, parent);
}

} // namespace vora::pages
