// SPDX-License-Identifier: MIT
#include "fresh_page.h"

#include "pages/calculation_page.h"
#include "pages/result_label.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/clickable_label.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <memory>
#include <vector>

namespace vora::testing {

namespace {

QList<QLineEdit*> Entries(QMainWindow& w) {
    QList<QLineEdit*> entries;
    for (QLineEdit* e : w.findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty() && !qobject_cast<QComboBox*>(e->parentWidget()))
            entries << e;
    return entries;
}

// The options first, so that no click step of the fresh page moves a unit.
void CopyInputs(QMainWindow& from, QMainWindow& to) {
    for (auto* option : from.findChildren<widgets::OptionButton*>()) {
        auto* copy = to.findChild<widgets::OptionButton*>(option->objectName());
        if (option->isChecked())
            copy->setChecked(true);
        else
            copy->clear();
    }
    for (auto* list : from.findChildren<widgets::UnitList*>()) {
        auto* copy = to.findChild<widgets::UnitList*>(list->objectName());
        const int exact = list->findText(list->currentText(), Qt::MatchExactly);
        if (exact >= 0 && list->currentIndex() == exact)
            copy->setCurrentIndex(exact);
        else
            copy->setEditText(list->currentText());
    }
    for (QLineEdit* entry : Entries(from))
        to.findChild<QLineEdit*>(entry->objectName())->setText(entry->text());
}

bool Current(const QLabel* label) {
    return label && !label->text().isEmpty() && !pages::IsOutOfDate(label);
}

void Press(QMainWindow& w, const char* button) {
    w.findChild<QPushButton*>(button)->click();
}

// The element whose results a name such as "Ir2", "dIl3/dt" or "Qc1" names.
int ElementOf(const QString& name) {
    for (const QChar c : name)
        if (c.isDigit()) return c.digitValue();
    return 0;
}

void DoubleClickChecked(QMainWindow& w, const QStringList& options) {
    for (const QString& name : options)
        if (auto* option = w.findChild<widgets::OptionButton*>(name); option && option->isChecked())
            return DoubleClick(option);
}

// Runs on `fresh` the events whose results `page` shows as current.
void Replay(QMainWindow& page, QMainWindow& fresh, shell::WindowId id) {
    using shell::WindowId;
    const auto label = [&](const char* name) { return page.findChild<QLabel*>(name); };
    switch (id) {
    case WindowId::frmDC:
    case WindowId::frmDCC:
    case WindowId::frmDCL: {
        const bool capacitors = id == WindowId::frmDCC;
        Press(fresh, capacitors ? "cmdCT" : "cmdRT");
        if (!Current(label("lblIT")) && !Current(label("lblVT"))) return;
        const int k = ElementOf(label("lblI")->text());
        const QString base = QString(capacitors ? "optC%1" : "optR%1").arg(k);
        return DoubleClickChecked(fresh, {base + "s", base + "p"});
    }
    case WindowId::FrmAC: {
        const std::pair<const char*, const char*> buttons[] = {{"lblZT", "cmdZT"},
                                                               {"lblPF", "cmdPF"},
                                                               {"lblP", "cmdRP"},
                                                               {"lblXL", "cmdXL"},
                                                               {"lblXC", "cmdXC"}};
        for (const auto& [result, button] : buttons)
            if (Current(label(result))) Press(fresh, button);
        if (!Current(label("lblIV"))) return;
        const QString name = label("lblI")->text();
        const QStringList options = name.endsWith('r')   ? QStringList{"optR1s", "optR1p"}
                                    : name.endsWith('l') ? QStringList{"optXLs", "optXLp"}
                                                         : QStringList{"OPtXcs", "OptXcp"};
        return DoubleClickChecked(fresh, options);
    }
    case WindowId::frmTransient:
        if (Current(label("lblTau"))) Press(fresh, "cmdCompute");
        return;
    default: {
        const std::pair<const char*, const char*> captions[] = {
            {"lblI0", "lblI2"}, {"lblV0", "lblV2"}, {"lblZ0", "lblZ2"}, {"lblS0", "lblS2"}};
        for (const auto& [result, caption] : captions)
            if (Current(label(result)))
                emit fresh.findChild<widgets::ClickableLabel*>(caption)->clicked();
    }
    }
}

} // namespace

std::string ResultsAgreeWithAFreshPage(QMainWindow& page, shell::WindowId id) {
    RecordingMessages messages;
    std::unique_ptr<QMainWindow> fresh(shell::MakeWindow(shell::Entry(id), nullptr, messages));
    CopyInputs(page, *fresh);
    Replay(page, *fresh, id);
    for (QLabel* result : page.findChildren<QLabel*>()) {
        if (!result->property("result").toBool() || !Current(result)) continue;
        const QLabel* copy = fresh->findChild<QLabel*>(result->objectName());
        if (copy->text() != result->text()) {
            std::string said;
            for (const auto& m : messages.shown)
                said += "\n  message: " + m.text.toStdString();
            const auto* calculation = dynamic_cast<const pages::CalculationPage*>(&page);
            return result->objectName().toStdString() + " shows \"" + result->text().toStdString() +
                   "\", a fresh page \"" + copy->text().toStdString() + "\"" + said +
                   "\nThe page:\n" +
                   (calculation ? calculation->inputsAndResults().toStdString() : std::string());
        }
    }
    return {};
}

} // namespace vora::testing
