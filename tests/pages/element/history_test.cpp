// SPDX-License-Identifier: MIT
// The same entries on the screen give the same results, whatever the user
// did before: random histories of typing, choosing, totals, double-clicks
// and resets, then one final set of entries and a double-click, against a
// fresh page that saw only the final entries.
#include "pages/drawing/network_sketch_view.h"
#include "pages/element/element_page.h"
#include "support/recording_messages.h"
#include "support/widgets.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"
#include "widgets/working_view.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace vora::pages {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

struct Page {
    const char* name;
    QChar letter; // of the controls
    std::function<std::unique_ptr<QMainWindow>(widgets::MessageBoxes&)> make;
};

const Page kPages[] = {
    {"resistor", 'R', [](widgets::MessageBoxes& m) { return std::make_unique<frmDC>(m); }},
    {"capacitor", 'C', [](widgets::MessageBoxes& m) { return std::make_unique<frmDCC>(m); }},
    {"inductor", 'R', [](widgets::MessageBoxes& m) { return std::make_unique<frmDCL>(m); }},
};

// Everything a user reads on the page, and everything it keeps.
QStringList Seen(const QMainWindow& page) {
    QStringList seen;
    for (const QLabel* l : page.findChildren<QLabel*>())
        if (l->objectName().startsWith("lbl")) seen << l->objectName() + "=" + l->text();
    for (const auto& [name, value] : dynamic_cast<const CalculationPage&>(page).storedValues())
        seen << QString::fromStdString(name) + "=" + QString::number(value, 'g', 17);
    seen << Child<widgets::WorkingView>(page, "txtWorking")->text();
    const auto* sketch = Child<NetworkSketchView>(page, "picNetwork");
    seen << QString::fromStdString(calc::Describe(sketch->sketch())) + " " + sketch->highlight();
    return seen;
}

class History : public ::testing::TestWithParam<int> {
protected:
    const Page& page() const { return kPages[GetParam()]; }
    QString control(const char* kind, int k, const char* suffix = "") const {
        return QString("%1%2%3%4").arg(kind).arg(page().letter).arg(k).arg(suffix);
    }
    QString totalList() const { return page().letter == 'C' ? "cboCT" : "cboRT"; }
    std::size_t Pick(std::size_t n) { return random_() % n; }

    // One random event of an ordinary user, mistakes included.
    void Act(QMainWindow& p) {
        static const QStringList texts{"10", "4.7", "0", "abc", "", "1E3", "-2", "150", "0.33"};
        const int k = 1 + static_cast<int>(Pick(4));
        switch (Pick(8)) {
        case 0:
            Type(p, control("txt", k), texts[static_cast<qsizetype>(Pick(texts.size()))]);
            break;
        case 1:
            Child<widgets::UnitList>(p, Pick(5) ? control("cbo", k) : totalList())
                ->setCurrentIndex(static_cast<int>(Pick(3)));
            break;
        case 2:
            Click(p, control("opt", k, Pick(2) ? "s" : "p"));
            break;
        case 3:
            Child<QAction>(p, control("mnu", k))->trigger();
            break;
        case 4:
            Click(p, Pick(2) ? "optI" : "optV");
            Type(p, "txtIV", texts[static_cast<qsizetype>(Pick(texts.size()))]);
            break;
        case 5:
            Click(p, page().letter == 'C' ? "cmdCT" : "cmdRT");
            break;
        default:
            testing::DoubleClick(Child<QWidget>(p, control("opt", k, Pick(2) ? "s" : "p")));
            break;
        }
    }

    // The final entries: values, units, choices with a possible gap, source,
    // total unit; then a double-click on an element of the network.
    struct Final {
        std::array<QString, 4> values;
        std::array<int, 4> units;
        QString choices;
        bool voltage;
        QString source;
        int totalUnit;
        int element;
    };
    Final MakeFinal() {
        Final f;
        static const char* numbers[] = {"12", "33", "47", "150", "2.2", "0.5", "1E3", "68"};
        for (std::size_t i = 0; i < 4; ++i) {
            f.values[i] = numbers[Pick(8)];
            f.units[i] = static_cast<int>(Pick(3));
        }
        // n elements in the network; after the gap, choices that must not count.
        const int n = 1 + static_cast<int>(Pick(4));
        for (int i = 0; i < 4; ++i)
            f.choices += i < n ? "SP"[Pick(2)] : i == n ? '-' : "SP-"[Pick(3)];
        f.voltage = Pick(2);
        f.source = numbers[Pick(8)];
        f.totalUnit = static_cast<int>(Pick(3));
        f.element = 1 + static_cast<int>(Pick(static_cast<std::size_t>(n)));
        return f;
    }
    void Apply(QMainWindow& p, const Final& f) {
        for (int k = 1; k <= 4; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            Child<QAction>(p, control("mnu", k))->trigger();
            Type(p, control("txt", k), f.values[i]);
            Child<widgets::UnitList>(p, control("cbo", k))->setCurrentIndex(f.units[i]);
            if (f.choices[k - 1] != '-')
                Click(p, control("opt", k, f.choices[k - 1] == 'S' ? "s" : "p"));
        }
        Click(p, f.voltage ? "optV" : "optI");
        Type(p, "txtIV", f.source);
        Child<widgets::UnitList>(p, totalList())->setCurrentIndex(f.totalUnit);
        const QChar choice = f.choices[f.element - 1];
        testing::DoubleClick(
            Child<QWidget>(p, control("opt", f.element, choice == 'S' ? "s" : "p")));
    }

    std::mt19937 random_{20261216u + static_cast<unsigned>(GetParam())};
};

TEST_P(History, ResultsDoNotDependOnEarlierClicks) {
    for (int round = 0; round < 25; ++round) {
        const Final f = MakeFinal();
        SCOPED_TRACE(("round " + QString::number(round) + ": " + f.choices + " element " +
                      QString::number(f.element))
                         .toStdString());
        testing::RecordingMessages quiet;
        auto fresh = page().make(quiet);
        Apply(*fresh, f);
        ASSERT_TRUE(quiet.shown.empty()) << quiet.shown[0].text.toStdString();
        const QStringList expected = Seen(*fresh);

        testing::RecordingMessages messages;
        auto used = page().make(messages);
        for (int event = 0; event < 30; ++event)
            Act(*used);
        messages.clear();
        Apply(*used, f);
        ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
        EXPECT_EQ(Seen(*used), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(ThreePages, History, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(kPages[info.param].name); });

} // namespace
} // namespace vora::pages
