// SPDX-License-Identifier: MIT
// Result labels: the exact display that every page writes, and beside it
// the same value as a student writes it, four significant digits with an SI
// prefix (61.88 µC), in the label's tool-tip, its accessible description and
// the copied text. And a label that follows its unit list: choosing another
// unit shows the same value in it at once.
#pragma once

#include "calc/outcome.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace vora::widgets {
class UnitList;
}

namespace vora::pages {

// Writes `text` and the engineering form of `value` (in `unit`, of which
// `text` may show a multiple).
void ShowResult(QLabel* label, const std::string& text, double value, std::string_view unit);
void ClearResult(QLabel* label);

// A result (a label, the working, a picture) that no longer belongs to the
// values on screen, because they cannot be computed now: drawn dimmed, its
// tool-tip and accessible description "Out of date: " and why, and left out
// of the copied text and the handout. Writing it anew clears the mark.
void MarkOutOfDate(QWidget* result, const QString& why);
void ClearOutOfDate(QWidget* result);
bool IsOutOfDate(const QWidget* result);
// The engineering form of what the label shows; empty when it has none.
QString Readable(const QLabel* label);

// "name = value unit (engineering form)" for the copied text.
QString ReportResult(const QString& name, const QLabel* label, const QString& unit);

// Keeps a result label in the unit chosen in its list. When the user picks
// or types another unit, `inUnit` gives the label's value (as the event
// that wrote it gave it) as text in that unit, the same conversion as the
// event's; when it fails, `report` tells the user and the list goes back to
// the unit the label is shown in.
class UnitFollower : public QObject {
    Q_OBJECT
public:
    using InUnit = std::function<calc::Outcome<std::string>(double value, int position)>;
    using Report = std::function<void(const calc::Failure&)>;

    UnitFollower(QLabel* label, widgets::UnitList* list, InUnit inUnit, Report report);

    // The label was just written, `value` in the unit the list shows now.
    void shown(double value);

private:
    void listChanged();
    void remember();

    QLabel* label_;
    widgets::UnitList* list_;
    InUnit inUnit_;
    Report report_;
    int position_ = 0;
    QString unitText_;
    double value_ = 0;
};

} // namespace vora::pages
