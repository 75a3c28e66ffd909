// SPDX-License-Identifier: MIT
// One control's texts as a page's texts table holds them, and the controls
// made from them: every page family builds its form with these.
#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vora::widgets {
class OptionButton;
class UnitList;
} // namespace vora::widgets

namespace vora::pages {

// A control's objectName, what it shows, what a screen reader calls it and
// its tool-tip, where it has them.
struct ControlText {
    QString name;
    QString text = {};
    QString accessible = {};
    QString tip = {};
};

QLabel* MakeLabel(const ControlText& c, QWidget* parent);
QGroupBox* MakeFrame(const ControlText& c, QWidget* parent);
QLineEdit* MakeEntry(const ControlText& c, QWidget* parent);
QPushButton* MakeButton(const ControlText& c, QWidget* parent);
// A screen reader calls an option by its caption unless the table says otherwise.
widgets::OptionButton* MakeOption(const ControlText& c, QWidget* parent);
QLabel* MakeResult(const ControlText& c, QWidget* parent);
widgets::UnitList* MakeUnitList(const ControlText& c, QWidget* parent);

} // namespace vora::pages
