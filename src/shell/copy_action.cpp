// SPDX-License-Identifier: MIT
#include "copy_action.h"

#include "pages/calculation_page.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>

namespace vora::shell {

void InstallCopyAction(QMainWindow& window) {
    auto* page = dynamic_cast<pages::CalculationPage*>(&window);
    if (!page) return;
    auto* copy = new QAction("Copy All Inputs and Results", &window);
    copy->setObjectName("actCopyAll");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, &window,
                     [page] { QGuiApplication::clipboard()->setText(page->inputsAndResults()); });
    window.addAction(copy);
    if (QWidget* central = window.centralWidget()) {
        central->setContextMenuPolicy(Qt::ActionsContextMenu);
        central->addAction(copy);
    }
}

} // namespace vora::shell
