// SPDX-License-Identifier: MIT
#pragma once

#include "calc/sketch.h"

#include <QWidget>

class QFont;
class QPainter;

namespace vora::pages {

// Draws the network of the last result: elements in series side by side,
// parallel branches one above the other between two rails, each element with
// its schematic symbol and name, between the source terminals. The element
// whose results are shown is drawn in red.
class NetworkSketchView : public QWidget {
    Q_OBJECT
public:
    // ByName draws each element by the first letter of its name (R, L or C),
    // for circuits that mix the three kinds.
    enum class Symbol { Resistor, Capacitor, Inductor, ByName };

    explicit NetworkSketchView(Symbol symbol, QWidget* parent = nullptr);

    void setSketch(const calc::Sketch& sketch, const QString& highlight = {});
    // An AC source named `name` ("V" or "I") drawn below the network and
    // wired to its terminals; an empty name draws the bare terminals.
    void setSource(const QString& name);
    // What is drawn when there is no network.
    void setEmptyText(const QString& text);
    const calc::Sketch& sketch() const { return sketch_; }
    const QString& highlight() const { return highlight_; }
    QSize sizeHint() const override;
    // Draws the sketch into `area` of any device (the PDF of the working),
    // its names in `font` at the sketch's own scale.
    void paintOn(QPainter& painter, const QRectF& area, const QFont& font) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Symbol symbol_;
    calc::Sketch sketch_;
    QString highlight_;
    QString source_;
    QString emptyText_ = "No network computed";
};

} // namespace vora::pages
