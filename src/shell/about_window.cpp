// SPDX-License-Identifier: MIT
#include "about_window.h"

#include "navigation.h"
#include "version.h"
#include "widgets/form_controls.h"
#include "widgets/page_body.h"
#include "window_registry.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vora::shell {

AboutWindow::AboutWindow(Navigation& windows, QWidget* parent)
    : QMainWindow(parent)
    , windows_(windows) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    // Label1 is a pair of labels under one name: element 1 the title,
    // element 0 the text.
    auto* title = new QLabel("\"VORA\" Soft", central);
    title->setObjectName("Label1");
    title->setProperty("index", 1);
    title->setAlignment(Qt::AlignHCenter);
    QFont font = title->font();
    font.setPointSize(20);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);

    auto* text = new QLabel(widgets::ResourceText(":/texts/about.txt"), central);
    text->setObjectName("Label1");
    text->setProperty("index", 0);
    text->setWordWrap(true);
    text->setMargin(8);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    AddLicence(*layout, *central);

    auto* exit = new QPushButton("Exit", central);
    exit->setObjectName("cmdok");
    exit->setDefault(true);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    connect(exit, &QPushButton::clicked, this, &AboutWindow::cmdok_Click);
    // Exit keeps the first focus, so that Enter or Space leaves at once;
    // Tab reaches the licence.
    setTabOrder(exit, findChild<QPlainTextEdit*>("txtLicense"));
    // Escape closes the window as its button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &AboutWindow::cmdok_Click);
    widgets::SetPageBody(this, central, 560);
}

// The version, and the licence with its copyright line as LICENSE has them.
void AboutWindow::AddLicence(QVBoxLayout& layout, QWidget& central) {
    auto* version = new QLabel(QString("Version %1").arg(kVersion), &central);
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignHCenter);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout.addWidget(version);

    auto* licence = new QPlainTextEdit(widgets::ResourceText(":/texts/license.txt"), &central);
    licence->setObjectName("txtLicense");
    licence->setAccessibleName("Licence");
    licence->setReadOnly(true);
    licence->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Tab moves on to the Exit button instead of staying in the text.
    licence->setTabChangesFocus(true);
    const QFontMetrics metrics(licence->font());
    licence->setFixedHeight(metrics.lineSpacing() * 8);
    licence->setMinimumWidth(metrics.horizontalAdvance(QString(80, 'x')) + 24);
    layout.addWidget(licence);
}

void AboutWindow::cmdok_Click() {
    windows_.ReturnHome(WindowId::frmAB);
}

} // namespace vora::shell
