// SPDX-License-Identifier: MIT
#include "help_window.h"

#include "navigation.h"
#include "pictures.h"
#include "widgets/form_controls.h"
#include "widgets/page_body.h"
#include "window_registry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vora::shell {

namespace {

QLabel* Line(const QString& name, const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

} // namespace

HelpWindow::HelpWindow(Navigation& windows, QWidget* parent)
    : QMainWindow(parent)
    , windows_(windows) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QLabel* title = Line("Label1", "\"VORA\" Soft", 20, central);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(Line("Label2", "Lessons In Electric Circuits", 14, central));
    layout->addWidget(Line("Label3", "Volume I-DC, Volume II-AC", 12, central));
    // The how-to beside the picture, so that the window stays low enough
    // for a laptop's screen.
    auto* row = new QHBoxLayout;
    row->addWidget(
        Picture("Image1", ":/pictures/landscape.pic", 472, 276, "A calm landscape", central), 0,
        Qt::AlignTop);
    auto* howTo = Line("Label5", widgets::ResourceText(":/texts/help_keyboard.txt"), 10, central);
    howTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    howTo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    howTo->setMinimumWidth(400);
    row->addWidget(howTo, 1);
    layout->addLayout(row);
    layout->addWidget(
        Line("Label4", widgets::ResourceText(":/texts/help_contact.txt"), 9, central));

    auto* ok = new QPushButton("Galatoomaa", central);
    ok->setObjectName("cmd0k");
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &HelpWindow::cmd0k_Click);
    // Escape closes the window as its button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &HelpWindow::cmd0k_Click);
    widgets::SetPageBody(this, central, 960);
}

void HelpWindow::cmd0k_Click() {
    windows_.Hide(WindowId::frmHelp);
}

} // namespace vora::shell
