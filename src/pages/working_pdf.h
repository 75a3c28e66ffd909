// SPDX-License-Identifier: MIT
// The working of a page as a one-page PDF handout: the page's name, its
// inputs and results, the pictures (sketch and diagrams, drawn as vectors
// so that they print sharp) and the working lines.
#pragma once

#include "calculation_page.h"

#include <QString>
#include <vector>

class QPrinter;
class QWidget;

namespace vora::pages {

// The sketch and diagram views of `window`, in the order they are printed.
std::vector<QWidget*> HandoutPictures(QWidget& window);

// Writes the handout of the page's `report` to `path`. Returns an empty
// string, or why the file could not be written.
QString WriteWorkingPdf(const QString& path, const QString& pageName, const PageReport& report,
                        const std::vector<QWidget*>& pictures);

// Prints the same sheet on `printer` (set up by the print dialog); returns an
// empty string, or why it could not be printed.
QString PrintWorking(QPrinter& printer, const QString& pageName, const PageReport& report,
                     const std::vector<QWidget*>& pictures);

} // namespace vora::pages
