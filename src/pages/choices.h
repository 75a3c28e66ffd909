// SPDX-License-Identifier: MIT
// What a pair of options chooses, as the calc events read it: an element's
// connection, the kind of source.
#pragma once

#include "calc/network.h"

#include <QAbstractButton>
#include <QString>

namespace vora::pages {

inline calc::Choice ChoiceOf(const QAbstractButton* series, const QAbstractButton* parallel) {
    return series->isChecked()     ? calc::Choice::Series
           : parallel->isChecked() ? calc::Choice::Parallel
                                   : calc::Choice::None;
}

inline calc::Source SourceOf(const QAbstractButton* voltage, const QAbstractButton* current) {
    return voltage->isChecked()   ? calc::Source::Voltage
           : current->isChecked() ? calc::Source::Current
                                  : calc::Source::None;
}

// How the copied text names the choice of two options: `first`'s name,
// `second`'s, or `none`.
inline QString ChosenName(const QAbstractButton* first, const QString& firstName,
                          const QAbstractButton* second, const QString& secondName,
                          const QString& none) {
    return first->isChecked() ? firstName : second->isChecked() ? secondName : none;
}

} // namespace vora::pages
