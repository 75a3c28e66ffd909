// SPDX-License-Identifier: MIT
#include "unit_list.h"

#include <QLineEdit>

namespace vora::widgets {

UnitList::UnitList(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void UnitList::fill(const QStringList& units) {
    addItems(units);
    setCurrentIndex(0);
}

int UnitList::position() const {
    const QString shown = currentText();
    const int index = currentIndex();
    if (index >= 0 && itemText(index) == shown) return index;
    return findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace vora::widgets
