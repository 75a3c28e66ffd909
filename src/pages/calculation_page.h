// SPDX-License-Identifier: MIT
#pragma once

#include "calc/stored_values.h"
#include "calc/units.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vora::pages {

using calc::ListStored;

// Every element's results as a table: the heads and the cells of each row
// (Element, Value and three quantities), and the same as the copied text's
// lines.
struct ReportTable {
    QStringList heads;
    std::vector<QStringList> rows;
    QStringList lines;
};

// A page's inputs and results, as its copy, its handout and its printout
// give them.
struct PageReport {
    QStringList lines;                // inputs and results, one to a line
    std::optional<ReportTable> table; // after the lines, where one is shown
    QStringList working;              // empty where none is shown or it is out of date

    // The copied text: the lines, the table's lines, then the working after
    // a line "Working:".
    QString text() const {
        QStringList all = lines;
        if (table) all << table->lines;
        if (!working.isEmpty()) all << "Working:" << working;
        return all.join('\n');
    }
};

// What every calculation page offers besides its controls: its stored values
// by name (for tests and tools), and all its current inputs and results.
class CalculationPage {
public:
    virtual ~CalculationPage() = default;
    virtual std::vector<std::pair<std::string, double>> storedValues() const = 0;
    virtual PageReport report() const = 0;
    // As plain text, for copying.
    QString inputsAndResults() const { return report().text(); }
};

// The names of a unit list, as its drop-down list shows them.
inline QStringList UnitNames(const calc::Units& units) {
    QStringList names;
    for (const calc::Unit& unit : units)
        names << QString::fromUtf8(unit.name);
    return names;
}

// "name = value unit", with "(empty)" for an empty value.
inline QString ReportLine(const QString& name, const QString& value, const QString& unit = {}) {
    QString line = name + " = " + (value.isEmpty() ? QStringLiteral("(empty)") : value);
    if (!unit.trimmed().isEmpty() && !value.isEmpty()) line += " " + unit.trimmed();
    return line;
}

} // namespace vora::pages
