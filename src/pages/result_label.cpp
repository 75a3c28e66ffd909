// SPDX-License-Identifier: MIT
#include "result_label.h"

#include "calc/engineering.h"
#include "widgets/unit_list.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <utility>

namespace vora::pages {

namespace {

constexpr const char* kReadable = "readable";
constexpr const char* kOutOfDate = "outOfDate";
constexpr const char* kVeil = "outOfDateVeil";
constexpr const char* kDescription = "currentDescription";
constexpr const char* kToolTip = "currentToolTip";

// A translucent cover in the window's colour over a result that is out of
// date; clicks and the keyboard go through to the result beneath.
class Veil : public QWidget {
public:
    explicit Veil(QWidget* result)
        : QWidget(result) {
        setObjectName(kVeil);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        result->installEventFilter(this);
        setGeometry(result->rect());
        raise();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            raise();
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QColor cover = window()->palette().color(QPalette::Window);
        cover.setAlpha(170);
        QPainter(this).fillRect(rect(), cover);
    }
};

} // namespace

void ShowResult(QLabel* label, const std::string& text, double value, std::string_view unit) {
    ClearOutOfDate(label);
    label->setText(QString::fromStdString(text));
    const QString readable = QString::fromStdString(calc::FormatEngineering(value, unit));
    label->setProperty(kReadable, readable);
    label->setToolTip(readable);
    label->setAccessibleDescription(readable);
}

void ClearResult(QLabel* label) {
    ClearOutOfDate(label);
    if (!label->text().isEmpty()) label->clear();
    label->setProperty(kReadable, QString());
    label->setToolTip({});
    label->setAccessibleDescription({});
}

void MarkOutOfDate(QWidget* result, const QString& why) {
    if (auto* label = qobject_cast<QLabel*>(result); label && label->text().isEmpty()) return;
    const QString description = "Out of date: " + why;
    if (!IsOutOfDate(result)) {
        result->setProperty(kOutOfDate, true);
        if (qobject_cast<QLabel*>(result)) {
            QPalette dim = result->palette();
            const QColor grey = dim.color(QPalette::PlaceholderText);
            dim.setColor(QPalette::Text, grey);
            dim.setColor(QPalette::WindowText, grey);
            result->setPalette(dim);
        } else {
            // Pictures describe themselves: kept for when they are current again.
            result->setProperty(kDescription, result->accessibleDescription());
            result->setProperty(kToolTip, result->toolTip());
            // Pictures, tables and the working paint their own colours: a veil
            // of the page's colour over them fades them whole.
            new Veil(result);
        }
    }
    result->setToolTip(description);
    result->setAccessibleDescription(description);
}

void ClearOutOfDate(QWidget* result) {
    if (!IsOutOfDate(result)) return;
    result->setProperty(kOutOfDate, false);
    if (qobject_cast<QLabel*>(result)) {
        result->setPalette(QPalette());
        const QString readable = result->property(kReadable).toString();
        result->setToolTip(readable);
        result->setAccessibleDescription(readable);
    } else {
        delete result->findChild<QWidget*>(kVeil, Qt::FindDirectChildrenOnly);
        result->setToolTip(result->property(kToolTip).toString());
        result->setAccessibleDescription(result->property(kDescription).toString());
    }
}

bool IsOutOfDate(const QWidget* result) {
    return result->property(kOutOfDate).toBool();
}

QString Readable(const QLabel* label) {
    return label->property(kReadable).toString();
}

QString ReportResult(const QString& name, const QLabel* label, const QString& unit) {
    if (IsOutOfDate(label)) return name + " = (out of date)";
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
    remember();
    connect(list, &QComboBox::currentTextChanged, this, &UnitFollower::listChanged);
}

void UnitFollower::shown(double value) {
    value_ = value;
    remember();
}

void UnitFollower::remember() {
    position_ = list_->position();
    unitText_ = list_->currentText();
}

void UnitFollower::listChanged() {
    const int position = list_->position();
    if (label_->text().isEmpty()) return remember();
    // A unit being typed, or one the list does not know: the label cannot
    // be shown in it yet. The mark stays for the page to clear when it
    // computes the label again; a label already out of date stays so.
    if (position < 0) return MarkOutOfDate(label_, list_->unknownUnitText());
    if (position == position_) return remember();
    const auto text = inUnit_(value_, position);
    if (!text) {
        const QSignalBlocker quiet(list_);
        list_->setCurrentText(unitText_);
        return report_(text.failure());
    }
    // The same value, so the engineering form stays.
    label_->setText(QString::fromStdString(*text));
    remember();
}

} // namespace vora::pages
