// SPDX-License-Identifier: MIT
#pragma once

#include "calc/sketch.h"

#include <QWidget>

namespace vora::pages {

// Draws the network of the last total: elements in series side by side,
// parallel branches one above the other between two rails, each element with
// its schematic symbol and name, between the source terminals.
class NetworkSketchView : public QWidget {
    Q_OBJECT
public:
    enum class Symbol { Resistor, Capacitor, Inductor };

    explicit NetworkSketchView(Symbol symbol, QWidget* parent = nullptr);

    void setSketch(const calc::Sketch& sketch);
    const calc::Sketch& sketch() const { return sketch_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Symbol symbol_;
    calc::Sketch sketch_;
};

} // namespace vora::pages
