// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace vora::widgets {

// A drop-down list of unit names that also accepts a typed unit.
//
// position() is what the computations use: the index of the item whose text
// the list shows, or of the item that a typed unit means (kΩ, k or ohm in a
// list of Ohm, KOhm and MOhm; case counts, so m is milli and M mega); -1
// when the typed text is no unit of the list. Typed text is never added to
// the list, and completion respects case.
class UnitList : public QComboBox {
    Q_OBJECT
public:
    explicit UnitList(QWidget* parent = nullptr);

    // Appends the unit names in order and selects the first.
    void fill(const QStringList& units);
    int position() const;
    // What the list accepts, for the message when it holds an unknown text:
    // its names and their SI symbols.
    QString accepted() const;
    // Names the list, its text and what it accepts.
    QString unknownUnitText() const;
};

} // namespace vora::widgets
