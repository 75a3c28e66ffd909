// SPDX-License-Identifier: MIT
#include "random_user.h"

#include "calc/number.h"
#include "pages/calculation_page.h"
#include "support/widgets.h"
#include "widgets/clickable_label.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <cmath>
#include <cstdlib>

namespace vora::testing {

namespace {

// Entry fields a user types into (not the editor inside a unit list).
QList<QLineEdit*> Entries(QMainWindow* w) {
    QList<QLineEdit*> list;
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(e->parentWidget())) list << e;
    return list;
}

template <class T> T* Any(RandomUser& user, const QList<T*>& list) {
    return list.isEmpty() ? nullptr : list[static_cast<qsizetype>(user.Pick(list.size()))];
}

bool Acceptable(const QString& text) {
    static const QStringList words{"Lagging", "Leading", "Unit"};
    return text.isEmpty() || words.contains(text) || calc::ParseStrict(text.toStdString());
}

} // namespace

const QStringList& HostileTexts() {
    static const QStringList texts{
        "",
        " ",
        "0",
        "-0",
        "1E308",
        "-1E308",
        "1E-320",
        "12abc",
        "&H1F",
        "&HFFFFFFFF",
        "&O777",
        QString(100000, '9'),
        "1e999",
        "-1e999",
        "2.5",
        "10",
        "47",
        "0.001",
        "1,5",
        "--1",
        QStringLiteral("\u00B5"),
        QStringLiteral("\u03A9"),
        QStringLiteral("\uFF13"),
        QStringLiteral("\u0661\u0662"),
        "5\t0",
        "\n",
        "NaN",
        "inf",
        "1e-400",
        "999999999999999999999",
        "3",
        "100",
        "0.5",
        "-5",
        "1E-300",
        "7.5E+200",
        " 2 ",
    };
    return texts;
}

Snapshot Take(const std::vector<QMainWindow*>& windows) {
    Snapshot s;
    for (QMainWindow* w : windows) {
        const QString prefix = w->objectName() + "/";
        for (QLabel* l : w->findChildren<QLabel*>())
            if (!l->objectName().isEmpty()) s.texts[prefix + l->objectName()] = l->text();
        for (QLineEdit* e : Entries(w))
            s.texts[prefix + e->objectName()] = e->text();
        if (auto* stored = dynamic_cast<const pages::CalculationPage*>(w))
            for (auto& [name, value] : stored->storedValues())
                s.stored.emplace_back(w->objectName().toStdString() + "." + name, value);
    }
    return s;
}

std::string RandomUser::Act(QMainWindow* page) {
    const auto& texts = HostileTexts();
    switch (Pick(8)) {
    case 0:
    case 1:
        if (QLineEdit* e = Any(*this, Entries(page))) {
            const QString t = texts[static_cast<qsizetype>(Pick(texts.size()))];
            e->setText(t);
            return "type \"" + t.left(20).toStdString() + "\" into " +
                   e->objectName().toStdString();
        }
        break;
    case 2:
        if (auto* u = Any(*this, page->findChildren<widgets::UnitList*>())) {
            if (Pick(4) == 0) {
                u->setEditText("unit?");
                return "type a unit into " + u->objectName().toStdString();
            }
            const int i = static_cast<int>(Pick(static_cast<std::size_t>(u->count())));
            u->setCurrentIndex(i);
            return "choose unit " + std::to_string(i) + " in " + u->objectName().toStdString();
        }
        break;
    case 3:
        if (auto* o = Any(*this, page->findChildren<widgets::OptionButton*>())) {
            o->click();
            return "click " + o->objectName().toStdString();
        }
        break;
    case 4:
        if (auto* o = Any(*this, page->findChildren<widgets::OptionButton*>())) {
            // A double-click on an option not chosen yet is first a choice,
            // an edit that computes the results on screen again; the
            // promises of a failed event hold from the second half on.
            if (!o->isChecked()) {
                o->click();
                return "click " + o->objectName().toStdString() + " (first half of a double-click)";
            }
            DoubleClick(o);
            return "double-click " + o->objectName().toStdString();
        }
        break;
    case 5:
        if (auto* b = Any(*this, page->findChildren<QPushButton*>())) {
            b->click();
            return "click " + b->objectName().toStdString();
        }
        break;
    case 6:
        if (auto* l = Any(*this, page->findChildren<widgets::ClickableLabel*>())) {
            emit l->clicked();
            return "click caption " + l->objectName().toStdString();
        }
        if (auto* b = Any(*this, page->findChildren<QPushButton*>())) {
            b->click();
            return "click " + b->objectName().toStdString();
        }
        break;
    case 7:
        if (auto* reset = page->findChild<QMenu*>("mnuresate")) {
            if (QAction* a = Any(*this, reset->actions())) {
                a->trigger();
                return "reset " + a->objectName().toStdString();
            }
        }
        break;
    }
    return "nothing";
}

std::string RandomUser::Check(const std::vector<QMainWindow*>& windows, const Snapshot& before,
                              std::size_t warningsBefore) const {
    for (QMainWindow* w : windows)
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->property("result").toBool() && !Acceptable(l->text()))
                return "label " + l->objectName().toStdString() + " shows \"" +
                       l->text().toStdString() + "\"";
    std::size_t warnings = 0;
    for (std::size_t i = warningsBefore; i < messages_.shown.size(); ++i)
        if (messages_.shown[i].icon == widgets::MessageBoxes::Icon::Warning) ++warnings;
    if (warnings > 1) return std::to_string(warnings) + " warnings for one event";
    const Snapshot after = Take(windows);
    if (warnings == 1) {
        if (!(after == before))
            return "a warning was shown but something changed: " +
                   messages_.shown.back().text.toStdString();
        return {};
    }
    for (const auto& [name, value] : after.stored)
        if (!std::isfinite(value)) return "stored value " + name + " is not finite";
    return {};
}

unsigned SeedFromEnvironment(unsigned fallback) {
    const char* text = std::getenv("VORA_RANDOM_SEED");
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

int EventsFromEnvironment(int fallback) {
    const char* text = std::getenv("VORA_RANDOM_EVENTS");
    return text ? std::atoi(text) : fallback;
}

} // namespace vora::testing
