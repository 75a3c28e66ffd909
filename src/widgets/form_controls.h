// SPDX-License-Identifier: MIT
// Small constructors for the controls of the pages: each sets the name tests
// and screen readers find the control by, and the behaviour every page wants.
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

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent);
// An entry field that takes a long paste whole rather than cutting it short.
QLineEdit* MakeEntry(const QString& name, const QString& tip, const QString& accessible,
                     QWidget* parent);
QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
// A result display wide enough for the longest text FormatNumber writes.
QLabel* MakeResult(const QString& name, const QString& accessible, QWidget* parent);
QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent);
OptionButton* MakeOption(const QString& name, const QString& text, const QString& accessible,
                         QWidget* parent);
UnitList* MakeUnitList(const QString& name, const QString& accessible, QWidget* parent);

// A long fixed text from the resources.
QString ResourceText(const QString& path);

} // namespace vora::widgets
