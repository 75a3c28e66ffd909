// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QMainWindow;
class QPrinter;

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::shell {

// Gives a calculation page "Save Working as PDF…" (Ctrl+S, and on the page's
// context menu): a file dialog asks where, starting in the folder used last,
// and the page's working is written there as a one-page PDF. Other windows
// are left alone.
void InstallSaveAction(QMainWindow& window, const QString& pageName,
                       widgets::MessageBoxes& messages);

// Writes the page's working to `path`. A file that cannot be written gets a
// message naming it and the reason; the page itself never changes. Returns
// whether the file was written.
bool SaveWorking(QMainWindow& window, const QString& pageName, const QString& path,
                 widgets::MessageBoxes& messages);

// Gives a calculation page "Print Working…" (Ctrl+P, and beside the save item
// on the page's context menu): the system's print dialog, then the same sheet
// as the saved PDF on the printer chosen.
void InstallPrintAction(QMainWindow& window, const QString& pageName,
                        widgets::MessageBoxes& messages);

// Prints the page's working on `printer`. A printer that fails gets a message
// naming it and the reason; the page never changes. Returns whether it printed.
bool PrintWorking(QMainWindow& window, const QString& pageName, QPrinter& printer,
                  widgets::MessageBoxes& messages);

} // namespace vora::shell
