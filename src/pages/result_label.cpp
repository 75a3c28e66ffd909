// SPDX-License-Identifier: MIT
#include "result_label.h"

#include "calc/engineering.h"
#include "calc/number.h"
#include "widgets/unit_list.h"

#include <QLabel>
#include <QSignalBlocker>

namespace vora::pages {

namespace {

constexpr const char* kReadable = "readable";

} // namespace

void ShowResult(QLabel* label, const std::string& text, double value, std::string_view unit) {
    label->setText(QString::fromStdString(text));
    const QString readable = QString::fromStdString(calc::FormatEngineering(value, unit));
    label->setProperty(kReadable, readable);
    label->setToolTip(readable);
    label->setAccessibleDescription(readable);
}

void ShowResult(QLabel* label, const std::string& text, std::string_view unit) {
    const calc::Parsed shown = calc::ParseStrict(text);
    if (shown) return ShowResult(label, text, shown.value, unit);
    label->setText(QString::fromStdString(text));
    ClearResult(label);
}

void ClearResult(QLabel* label) {
    if (!label->text().isEmpty()) label->clear();
    label->setProperty(kReadable, QString());
    label->setToolTip({});
    label->setAccessibleDescription({});
}

QString Readable(const QLabel* label) {
    return label->property(kReadable).toString();
}

QString ReportResult(const QString& name, const QLabel* label, const QString& unit) {
    QString line = name + " = " + (label->text().isEmpty() ? "(empty)" : label->text());
    if (label->text().isEmpty()) return line;
    if (!unit.trimmed().isEmpty()) line += " " + unit.trimmed();
    const QString readable = Readable(label);
    if (!readable.isEmpty()) line += " (" + readable + ")";
    return line;
}

UnitFollower::UnitFollower(QLabel* label, widgets::UnitList* list, InUnit inUnit, Report report)
    : QObject(label)
    , label_(label)
    , list_(list)
    , inUnit_(std::move(inUnit))
    , report_(std::move(report)) {
    shown();
    connect(list, &QComboBox::currentTextChanged, this, &UnitFollower::listChanged);
}

void UnitFollower::shown() {
    position_ = list_->position();
    unitText_ = list_->currentText();
}

void UnitFollower::listChanged() {
    const int position = list_->position();
    if (label_->text().isEmpty() || position == position_) return shown();
    const auto text = inUnit_(position);
    if (!text) {
        const QSignalBlocker quiet(list_);
        list_->setCurrentText(unitText_);
        return report_(text.failure());
    }
    // The same value, so the engineering form stays.
    label_->setText(QString::fromStdString(*text));
    shown();
}

} // namespace vora::pages
