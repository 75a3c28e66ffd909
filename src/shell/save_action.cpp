// SPDX-License-Identifier: MIT
#include "save_action.h"

#include "pages/calculation_page.h"
#include "pages/working_pdf.h"
#include "widgets/message_boxes.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

namespace vora::shell {

namespace {

const char* const kFolderKey = "Working/folder";

// The program's own dialog rather than the desktop's, so that it behaves the
// same everywhere and Escape always closes it; read-only, so that nothing in
// it can rename or delete files.
QString AskWhere(QMainWindow& window, const QString& pageName) {
    QSettings settings;
    QString folder = settings.value(kFolderKey).toString();
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(&window, "Save Working as PDF", QDir(folder).filePath(pageName + ".pdf"),
                       "PDF documents (*.pdf)");
    dialog.setObjectName("dlgSaveWorking");
    dialog.setWindowRole("dlgSaveWorking"); // for window managers and the real-input tests
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("pdf");
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
    if (widgets::ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
    return path;
}

// A Ctrl+key action of the window, also on its page's context menu.
QAction* AddPageAction(QMainWindow& window, const QString& text, const char* name, Qt::Key key) {
    auto* action = new QAction(text, &window);
    action->setObjectName(name);
    action->setShortcut(QKeySequence(Qt::CTRL | key));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    if (QWidget* central = window.centralWidget()) {
        central->setContextMenuPolicy(Qt::ActionsContextMenu);
        central->addAction(action);
    }
    return action;
}

} // namespace

bool SaveWorking(QMainWindow& window, const QString& pageName, const QString& path,
                 widgets::MessageBoxes& messages) {
    auto* page = dynamic_cast<pages::CalculationPage*>(&window);
    if (!page) return false;
    const QString reason =
        pages::WriteWorkingPdf(path, pageName, page->report(), pages::HandoutPictures(window));
    if (reason.isEmpty()) return true;
    messages.show(&window, widgets::MessageBoxes::Icon::Warning, "Cannot Save",
                  "The working could not be saved to \"" + QDir::toNativeSeparators(path) +
                      "\": " + reason + ". Choose another folder or file name.");
    return false;
}

void InstallSaveAction(QMainWindow& window, const QString& pageName,
                       widgets::MessageBoxes& messages) {
    if (!dynamic_cast<pages::CalculationPage*>(&window)) return;
    QAction* save = AddPageAction(window, QString("Save Working as PDF") + QChar(0x2026),
                                  "actSaveWorking", Qt::Key_S);
    QObject::connect(save, &QAction::triggered, &window, [&window, pageName, &messages] {
        const QString path = AskWhere(window, pageName);
        if (!path.isEmpty()) SaveWorking(window, pageName, path, messages);
    });
}

bool PrintWorking(QMainWindow& window, const QString& pageName, QPrinter& printer,
                  widgets::MessageBoxes& messages) {
    auto* page = dynamic_cast<pages::CalculationPage*>(&window);
    if (!page) return false;
    const QString reason =
        pages::PrintWorking(printer, pageName, page->report(), pages::HandoutPictures(window));
    if (reason.isEmpty()) return true;
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    messages.show(&window, widgets::MessageBoxes::Icon::Warning, "Cannot Print",
                  "The working could not be printed on \"" + name + "\": " + reason +
                      ". Check the printer, or choose another one.");
    return false;
}

void InstallPrintAction(QMainWindow& window, const QString& pageName,
                        widgets::MessageBoxes& messages) {
    if (!dynamic_cast<pages::CalculationPage*>(&window)) return;
    QAction* print = AddPageAction(window, QString("Print Working") + QChar(0x2026),
                                   "actPrintWorking", Qt::Key_P);
    QObject::connect(print, &QAction::triggered, &window, [&window, pageName, &messages] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, &window);
        dialog.setObjectName("dlgPrintWorking");
        dialog.setWindowRole("dlgPrintWorking"); // for window managers and the real-input tests
        if (widgets::ExecModal(dialog) == QDialog::Accepted)
            PrintWorking(window, pageName, printer, messages);
    });
}

} // namespace vora::shell
