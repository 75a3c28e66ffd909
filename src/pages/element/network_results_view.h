// SPDX-License-Identifier: MIT
// The whole network's results beside the total, and the table of every
// element's results: what an element page shows once the network and its
// source can be computed.
#pragma once

#include "calc/element_network.h"
#include "pages/calculation_page.h"
#include "pages/drawing/picture_view.h"

#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <array>

class QLabel;

namespace vora::pages {

// The whole network's three results in the roles of an element's: flow
// (current, charge or rate of rise), voltage, power or energy. Read-only
// result labels lblNetI, lblNetV and lblNetP, each with a name label
// (lblNetIName ...) and a unit label (lblNetIUnit ...), which the page
// places beside the element's own results.
class WholeNetworkResults : public QObject {
public:
    struct Triple {
        QLabel *name, *value, *unit;
    };
    // The labels are made with `parent`, which also owns this.
    explicit WholeNetworkResults(QWidget* parent);

    const Triple& triple(int i) const { return triples_[static_cast<std::size_t>(i)]; }
    // "Isrc = 0.5 A (500.0 mA)" per result shown.
    QStringList report() const;

private:
    std::array<Triple, 3> triples_{};
};

// Every element of the network, one row each: name, value with unit and its
// three results; the element last double-clicked in bold.
class ElementTable : public QTableWidget, public PictureView {
public:
    explicit ElementTable(QWidget* parent = nullptr);

    void showResults(const calc::NetworkResults& results);
    void clearResults();
    // A ResultsTable: shown, or cleared when it has no rows.
    void showPicture(const calc::Picture& picture) override;
    // The heads and a row per element, and as the copied text's lines (a
    // heading line and one line per element); none when nothing is shown.
    std::optional<ReportTable> report() const;
    int markedRow() const { return marked_; }

private:
    void fitHeight();

    ReportTable report_;
    int marked_ = -1;
};

} // namespace vora::pages
