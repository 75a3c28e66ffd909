// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace vora::widgets {

// A drop-down list of unit names that also accepts a typed unit.
//
// position() is what the computations use: the index of the item whose text
// the list shows, or -1 when the user has typed a text that matches none of
// the items (whatever QComboBox's current index still says). Typed text is
// never added to the list.
class UnitList : public QComboBox {
    Q_OBJECT
public:
    explicit UnitList(QWidget* parent = nullptr);

    // Appends the unit names in order and selects the first.
    void fill(const QStringList& units);
    int position() const;
};

} // namespace vora::widgets
