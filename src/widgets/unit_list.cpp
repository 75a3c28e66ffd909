// SPDX-License-Identifier: MIT
#include "unit_list.h"

#include "calc/unit_text.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringList>

namespace vora::widgets {

namespace {

std::optional<calc::UnitMeaning> Meaning(const QString& text) {
    return calc::ReadUnitText(text.toStdString());
}

} // namespace

UnitList::UnitList(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // m and M are different units.
    completer()->setCaseSensitivity(Qt::CaseSensitive);
}

void UnitList::fill(const QStringList& units) {
    addItems(units);
    setCurrentIndex(0);
}

int UnitList::position() const {
    const QString shown = currentText();
    const int index = currentIndex();
    if (index >= 0 && itemText(index) == shown) return index;
    const int exact = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (exact >= 0) return exact;

    const auto typed = Meaning(shown);
    if (!typed) return -1;
    // A prefix alone keeps the quantity of the unit the list showed last
    // (the source list holds amperes and volts).
    const auto last = index >= 0 ? Meaning(itemText(index)) : std::nullopt;
    const auto quantity = typed->quantity ? typed->quantity : last ? last->quantity : std::nullopt;
    for (int i = 0; i < count(); ++i) {
        const auto item = Meaning(itemText(i));
        if (item && item->power == typed->power && (!quantity || item->quantity == quantity))
            return i;
    }
    return -1;
}

QString UnitList::accepted() const {
    QStringList names, symbols;
    for (int i = 0; i < count(); ++i) {
        names << itemText(i);
        const auto item = Meaning(itemText(i));
        if (!item || !item->quantity) continue;
        const QString symbol =
            QString::fromStdString(calc::UnitSymbol(*item->quantity, item->power));
        if (symbol != itemText(i)) symbols << symbol;
    }
    QString text = names.join(", ");
    if (!symbols.isEmpty()) text += " (or " + symbols.join(", ") + ")";
    return text;
}

QString UnitList::unknownUnitText() const {
    return "\"" + accessibleName() + "\" holds \"" + currentText().trimmed() +
           "\", which is not one of its units. Choose or type one of " + accepted() +
           "; a prefix alone (k, m, M, µ) means that multiple of the unit.";
}

} // namespace vora::widgets
