// SPDX-License-Identifier: MIT
#include "page.h"

#include "report.h"
#include "widgets/page_colours.h"
#include "widgets/working_panel.h"

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
    working_->setText(QString::fromStdString(working.Text()), showEnd);
}

} // namespace vora::pages
