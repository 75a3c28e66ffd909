// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace vora::pages {

// What every calculation page offers besides its controls: its stored values
// by name (for tests and tools), and all its current inputs and results as
// plain text (for copying).
class CalculationPage {
public:
    virtual ~CalculationPage() = default;
    virtual std::vector<std::pair<std::string, double>> storedValues() const = 0;
    virtual QString inputsAndResults() const = 0;
};

// The values of a Vars struct that lists its members in Vars::kFields.
template <class Vars>
std::vector<std::pair<std::string, double>> ListStored(const Vars& vars) {
    std::vector<std::pair<std::string, double>> list;
    for (const auto& [name, member] : Vars::kFields) list.emplace_back(name, vars.*member);
    return list;
}

// "name = value unit", with "(empty)" for an empty value.
inline QString ReportLine(const QString& name, const QString& value, const QString& unit = {}) {
    QString line = name + " = " + (value.isEmpty() ? QStringLiteral("(empty)") : value);
    if (!unit.trimmed().isEmpty() && !value.isEmpty()) line += " " + unit.trimmed();
    return line;
}

} // namespace vora::pages
