// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "pictures.h"
#include "widgets/form_controls.h"
#include "widgets/page_body.h"
#include "widgets/page_colours.h"
#include "widgets/wrapped_text.h"

#include <QGridLayout>

namespace vora::shell {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->addWidget(Picture("I1", ":/pictures/resonance.pic", 318, 185,
                            "Graph of the current I against the angular frequency", central),
                    0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Picture("I3", ":/pictures/instruments.pic", 313, 141,
                            "Oscilloscope, signal generator and multimeter", central),
                    0, 1, Qt::AlignRight | Qt::AlignTop);

    auto* welcome = new widgets::WrappedText(widgets::ResourceText(":/texts/welcome.txt"), central);
    welcome->setObjectName("I4");
    welcome->setMargin(12);
    widgets::ApplyBackground(welcome, QColor(255, 255, 128));
    grid->addWidget(welcome, 1, 0, 1, 2);
    grid->setRowStretch(1, 1);
    widgets::SetPageBody(this, central);
}

} // namespace vora::shell
