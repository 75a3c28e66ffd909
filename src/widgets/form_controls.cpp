// SPDX-License-Identifier: MIT
#include "form_controls.h"

#include "option_button.h"
#include "result_display.h"
#include "unit_list.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vora::widgets {

namespace {
constexpr int kEntryLimit = 1'000'000;
}

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLineEdit* MakeEntry(const QString& name, const QString& tip, const QString& accessible,
                     QWidget* parent) {
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setToolTip(tip);
    entry->setAccessibleName(accessible);
    entry->setMaxLength(kEntryLimit);
    return entry;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* MakeResult(const QString& name, const QString& accessible, QWidget* parent) {
    auto* label = new ResultDisplay(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("-8.88888888888888E-308") +
                           2 * label->frameWidth() + 8);
    return label;
}

QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

OptionButton* MakeOption(const QString& name, const QString& text, const QString& accessible,
                         QWidget* parent) {
    auto* option = new OptionButton(text, parent);
    option->setObjectName(name);
    option->setAccessibleName(accessible);
    return option;
}

UnitList* MakeUnitList(const QString& name, const QString& accessible, QWidget* parent) {
    auto* list = new UnitList(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    return list;
}

QString ResourceText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

} // namespace vora::widgets
