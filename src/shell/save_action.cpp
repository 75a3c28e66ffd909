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

} // namespace

bool SaveWorking(QMainWindow& window, const QString& pageName, const QString& path,
                 widgets::MessageBoxes& messages) {
    auto* page = dynamic_cast<pages::CalculationPage*>(&window);
    if (!page) return false;
    const QString reason = pages::WriteWorkingPdf(path, pageName, page->inputsAndResults(),
                                                  pages::HandoutPictures(window));
    if (reason.isEmpty()) return true;
    messages.show(&window, widgets::MessageBoxes::Icon::Warning, "Cannot Save",
                  "The working could not be saved to \"" + QDir::toNativeSeparators(path) +
                      "\": " + reason + ". Choose another folder or file name.");
    return false;
}

void InstallSaveAction(QMainWindow& window, const QString& pageName,
                       widgets::MessageBoxes& messages) {
    if (!dynamic_cast<pages::CalculationPage*>(&window)) return;
    auto* save = new QAction(QString("Save Working as PDF") + QChar(0x2026), &window);
    save->setObjectName("actSaveWorking");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(save, &QAction::triggered, &window, [&window, pageName, &messages] {
        const QString path = AskWhere(window, pageName);
        if (!path.isEmpty()) SaveWorking(window, pageName, path, messages);
    });
    window.addAction(save);
    if (QWidget* central = window.centralWidget()) {
        central->setContextMenuPolicy(Qt::ActionsContextMenu);
        central->addAction(save);
    }
}

bool PrintWorking(QMainWindow& window, const QString& pageName, QPrinter& printer,
                  widgets::MessageBoxes& messages) {
    auto* page = dynamic_cast<pages::CalculationPage*>(&window);
    if (!page) return false;
    const QString reason = pages::PrintWorking(printer, pageName, page->inputsAndResults(),
                                               pages::HandoutPictures(window));
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
    auto* print = new QAction(QString("Print Working") + QChar(0x2026), &window);
    print->setObjectName("actPrintWorking");
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(print, &QAction::triggered, &window, [&window, pageName, &messages] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, &window);
        dialog.setObjectName("dlgPrintWorking");
        dialog.setWindowRole("dlgPrintWorking"); // for window managers and the real-input tests
        if (widgets::ExecModal(dialog) == QDialog::Accepted)
            PrintWorking(window, pageName, printer, messages);
    });
    window.addAction(print);
    if (QWidget* central = window.centralWidget()) {
        central->setContextMenuPolicy(Qt::ActionsContextMenu);
        central->addAction(print);
    }
}

} // namespace vora::shell
