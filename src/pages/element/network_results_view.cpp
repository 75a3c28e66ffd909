// SPDX-License-Identifier: MIT
#include "network_results_view.h"

#include "calc/engineering.h"
#include "pages/result_label.h"
#include "widgets/form_controls.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>

namespace vora::pages {

namespace {

using widgets::MakeLabel;
using widgets::MakeResult;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A cell as the copied text writes it: "Ir2 = 0.5 A (500.0 mA)", or its
// note where it has no number.
QString Line(const calc::ResultCell& cell) {
    if (cell.text.empty()) return Q(cell.name + ": " + cell.note);
    return Q(cell.name + " = " + cell.text + " " + cell.unit + " (" +
             calc::FormatEngineering(cell.value, cell.unit) + ")");
}

constexpr int kRows = 4;

} // namespace

WholeNetworkResults::WholeNetworkResults(QWidget* parent)
    : QObject(parent) {
    const char* const roles[3] = {"I", "V", "P"};
    const char* const accessible[3] = {"Network current result", "Network voltage result",
                                       "Network power or energy result"};
    for (std::size_t i = 0; i < 3; ++i) {
        const QString base = QString("lblNet") + roles[i];
        Triple& t = triples_[i];
        t.name = MakeLabel(base + "Name", {}, parent);
        t.name->setToolTip("Whole network");
        t.name->setMinimumWidth(t.name->fontMetrics().horizontalAdvance("dIsrc/dt") + 4);
        t.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t.value = MakeResult(base, accessible[i], parent);
        t.unit = MakeLabel(base + "Unit", {}, parent);
        t.unit->setMinimumWidth(t.unit->fontMetrics().horizontalAdvance("A/s") + 2);
    }
}

QStringList WholeNetworkResults::report() const {
    QStringList lines;
    for (const Triple& t : triples_) {
        if (t.name->text().isEmpty()) continue;
        if (t.value->text().isEmpty())
            lines << t.name->text() + ": " + t.value->toolTip();
        else
            lines << ReportResult(t.name->text(), t.value, t.unit->text());
    }
    return lines;
}

ElementTable::ElementTable(QWidget* parent)
    : QTableWidget(0, 5, parent) {
    setObjectName("tblElements");
    setAccessibleName("Every element's results");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalHeaderLabels({"Element", "Value", "", "", ""});
    // The corner button sits where the hidden row header would be.
    if (auto* corner = findChild<QAbstractButton*>()) corner->setAccessibleName("Table corner");
    // Dense rows, so that four of them fit on a laptop's screen.
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    horizontalHeader()->setFixedHeight(fontMetrics().height() + 6);
    setRowCount(kRows);
    fitHeight();
    setRowCount(0);
}

// Tall enough for four rows without a scroll bar, whatever is shown.
void ElementTable::fitHeight() {
    int height = horizontalHeader()->height() + 2 * frameWidth();
    for (int row = 0; row < kRows; ++row)
        height += verticalHeader()->sectionSizeHint(row);
    setFixedHeight(height);
}

void ElementTable::showPicture(const calc::Picture& picture) {
    const auto* table = std::get_if<calc::ResultsTable>(&picture);
    if (!table) return;
    if (table->rows.empty())
        clearResults();
    else
        showResults(*table);
}

void ElementTable::showResults(const calc::NetworkResults& results) {
    setHorizontalHeaderLabels(
        {"Element", "Value", Q(results.heads[0]), Q(results.heads[1]), Q(results.heads[2])});
    setRowCount(static_cast<int>(results.rows.size()));
    marked_ = results.marked - 1;
    report_ = {{"Element", "Value", Q(results.heads[0]), Q(results.heads[1]), Q(results.heads[2])},
               {},
               {"Every element (" + Q(results.heads[0]) + ", " + Q(results.heads[1]) + ", " +
                Q(results.heads[2]) + "):"}};
    for (int row = 0; row < rowCount(); ++row) {
        const calc::ElementRow& r = results.rows[static_cast<std::size_t>(row)];
        QStringList cells;
        auto put = [&](int column, const QString& text, const QString& tip) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(tip);
            if (row == marked_) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
                item->setData(Qt::AccessibleDescriptionRole, "last double-clicked");
            }
            setItem(row, column, item);
        };
        put(0, Q(r.element), {});
        put(1, Q(r.value), {});
        for (std::size_t q = 0; q < 3; ++q) {
            const calc::ResultCell& cell = r.cells[q];
            const bool number = !cell.text.empty();
            put(static_cast<int>(q) + 2, number ? Q(cell.text) : Q(cell.note),
                number ? Q(calc::FormatEngineering(cell.value, cell.unit)) : Q(cell.note));
            cells << Line(cell);
        }
        if (row == marked_) cells.back() += " (last double-clicked)";
        report_.rows.push_back(QStringList{Q(r.element), Q(r.value)} + cells);
        report_.lines << Q(r.element) + " = " + Q(r.value) + ": " + cells.join(", ");
    }
}

void ElementTable::clearResults() {
    setRowCount(0);
    setHorizontalHeaderLabels({"Element", "Value", "", "", ""});
    marked_ = -1;
    report_ = {};
}

std::optional<ReportTable> ElementTable::report() const {
    if (report_.rows.empty()) return std::nullopt;
    return report_;
}

} // namespace vora::pages
