// SPDX-License-Identifier: MIT
// The whole network's results beside the total, and the table of every
// element's results: what an element page shows once the network and its
// source can be computed.
#pragma once

#include "calc/element_network.h"

#include <QGroupBox>
#include <QStringList>
#include <QTableWidget>
#include <array>

class QLabel;

namespace vora::pages {

// Three results in the roles of an element's: flow (current, charge or
// rate of rise), voltage, power or energy. Read-only result labels
// lblNetI, lblNetV and lblNetP, with name and unit labels beside them.
class WholeNetworkBox : public QGroupBox {
public:
    explicit WholeNetworkBox(QWidget* parent = nullptr);

    void showResults(const std::array<calc::ResultCell, 3>& cells);
    void clearResults();
    // "Isrc = 0.5 A (500.0 mA)" per result shown.
    QStringList report() const;
    const std::array<QLabel*, 3>& values() const { return values_; }

private:
    std::array<QLabel*, 3> names_{}, values_{}, units_{};
};

// Every element of the network, one row each: name, value with unit and its
// three results; the element last double-clicked in bold.
class ElementTable : public QTableWidget {
public:
    explicit ElementTable(QWidget* parent = nullptr);

    void showResults(const calc::NetworkResults& results);
    void clearResults();
    // A heading line and one line per element; empty when nothing is shown.
    QStringList report() const;
    int markedRow() const { return marked_; }

private:
    void fitHeight();

    QStringList lines_;
    int marked_ = -1;
};

} // namespace vora::pages
