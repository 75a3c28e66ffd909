// SPDX-License-Identifier: MIT
#pragma once

#include "calc/stored_values.h"
#include "calc/units.h"

#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

namespace vora::pages {

using calc::ListStored;

// What every calculation page offers besides its controls: its stored values
// by name (for tests and tools), and all its current inputs and results as
// plain text (for copying).
class CalculationPage {
public:
    virtual ~CalculationPage() = default;
    virtual std::vector<std::pair<std::string, double>> storedValues() const = 0;
    virtual QString inputsAndResults() const = 0;
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
