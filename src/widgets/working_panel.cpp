// SPDX-License-Identifier: MIT
#include "working_panel.h"

#include "working_view.h"

#include <QHBoxLayout>

namespace vora::widgets {

WorkingPanel::WorkingPanel(QWidget* parent)
    : QGroupBox("Working", parent) {
    setObjectName("FrameWorking");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    text_ = new WorkingView(this);
    text_->setObjectName("txtWorking");
    text_->setAccessibleName("Working");
    text_->setPlaceholderText("How the last result was obtained appears here.");
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 3);
}

void WorkingPanel::setText(const QString& text, bool showEnd) {
    text_->setText(text, showEnd);
}

QString WorkingPanel::text() const {
    return text_->text();
}

void WorkingPanel::setSide(QWidget* side, int stretch) {
    side->setParent(this);
    side->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    static_cast<QHBoxLayout*>(layout())->addWidget(side, stretch);
}

} // namespace vora::widgets
