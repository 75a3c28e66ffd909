// SPDX-License-Identifier: MIT
#include "working_panel.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace vora::widgets {

WorkingPanel::WorkingPanel(QWidget* parent)
    : QGroupBox("Working", parent) {
    setObjectName("FrameWorking");
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtWorking");
    text_->setReadOnly(true);
    text_->setAccessibleName("Working");
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setPlaceholderText("How the last result was obtained appears here.");
    const int lines = 5;
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * lines + 12);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
}

void WorkingPanel::setText(const QString& text, bool showEnd) {
    text_->setPlainText(text);
    if (showEnd) text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

QString WorkingPanel::text() const {
    return text_->toPlainText();
}

void WorkingPanel::setSide(QWidget* side) {
    side->setParent(this);
    layout()->addWidget(side);
}

} // namespace vora::widgets
