// SPDX-License-Identifier: MIT
#include "page.h"

#include "report.h"
#include "result_label.h"
#include "widgets/option_button.h"
#include "widgets/page_colours.h"
#include "widgets/unit_list.h"
#include "widgets/working_panel.h"

#include <QLineEdit>
#include <QPushButton>

namespace vora::pages {

Page::Page(const QString& name, const QColor& background, widgets::MessageBoxes& messages,
           QWidget* parent)
    : QMainWindow(parent)
    , messages_(messages) {
    setObjectName(name);
    setWindowTitle("VORA");
    widgets::ApplyBackground(this, background);
}

widgets::WorkingPanel* Page::makeWorking(QWidget* parent) {
    working_ = new widgets::WorkingPanel(parent);
    return working_;
}

void Page::reportFailure(const calc::Failure& failure) {
    ReportFailure(this, messages_, failure);
}

void Page::showWorking(const calc::Working& working, bool showEnd) {
    ClearOutOfDate(working_);
    working_->setText(QString::fromStdString(working.Text()), showEnd);
}

void Page::markWorkingOutOfDate(const calc::Failure& failure) {
    if (!working_->text().isEmpty()) MarkOutOfDate(working_, QString::fromStdString(failure.text));
}

void Page::focusAfterChoice(QWidget* field) {
    if (!widgets::OptionButton::choosingByKeyboard()) field->setFocus(Qt::OtherFocusReason);
}

void Page::watch(QLineEdit* entry) {
    connect(entry, &QLineEdit::textChanged, this, &Page::inputChanged);
}

void Page::watch(widgets::UnitList* list) {
    connect(list, &QComboBox::currentTextChanged, this, &Page::inputChanged);
}

void Page::watch(QAbstractButton* option) {
    connect(option, &QAbstractButton::toggled, this, &Page::inputChanged);
}

void Page::enterClicks(QLineEdit* entry, QPushButton* button) {
    connect(entry, &QLineEdit::returnPressed, button, &QPushButton::click);
}

void Page::inputChanged() {
    if (batches_ > 0) {
        changed_ = true;
        return;
    }
    // A refresh writes labels only, never inputs; guard anyway against a loop.
    if (refreshing_) return;
    refreshing_ = true;
    refresh();
    refreshing_ = false;
}

Page::Batch::Batch(Page& page)
    : page_(page) {
    ++page_.batches_;
}

Page::Batch::~Batch() {
    if (--page_.batches_ > 0 || !page_.changed_) return;
    page_.changed_ = false;
    page_.inputChanged();
}

std::optional<calc::Failure> Page::UnknownUnit(const widgets::UnitList* list) {
    if (list->position() >= 0) return std::nullopt;
    return calc::Failure{"Invalid Unit", list->unknownUnitText().toStdString(),
                         list->objectName().toStdString()};
}

} // namespace vora::pages
