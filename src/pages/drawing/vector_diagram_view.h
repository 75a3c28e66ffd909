// SPDX-License-Identifier: MIT
#pragma once

#include "calc/vector_diagram.h"
#include "picture_view.h"

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <vector>

namespace vora::pages {

// Draws a phasor diagram or a power triangle that a computation built: each
// kind of arrow scaled so that the longest fills the picture (currents a
// little shorter than voltages, so the two sets stay apart), labels beside
// the arrows, and the marked angle as an arc at the origin. No label covers
// another or lies under an arrow or the arc: where arrows lie on each other,
// a label moves off with a thin leader line back to its arrow, and where the
// picture is small the arrows shrink, never the text.
//
// Everything a paint needs is laid out when the diagram or the size
// changes; a paint only draws.
class VectorDiagramView : public TitledPicture {
    Q_OBJECT
public:
    struct Shape {
        QLineF line;  // from the arrow's start to its tip
        QLineF shaft; // the line up to the head
        QPolygonF head;
        QRectF labelBox;
        QLineF leader; // from the arrow to a label set apart; null beside the arrow
        QString label;
        QColor colour;
        qreal width = 1;
        bool dashed = false;
    };
    struct Geometry {
        QPointF origin;
        std::vector<Shape> arrows;     // in the order of the diagram's arrows
        QRectF arc;                    // the angle's circle, empty without an angle
        int arcStart = 0, arcSpan = 0; // in sixteenths of a degree, as QPainter takes them
        QRectF arcLabelBox;
        QLineF arcLeader;
        QString arcLabel;
        QRectF titleBox;
        // On screen: the labels, the angle's and the title, laid out once for all paints.
        std::vector<QStaticText> texts;
    };

    VectorDiagramView(const QString& title, const QString& placeholder, QWidget* parent = nullptr);

    void setDiagram(const calc::VectorDiagram& diagram);
    void showPicture(const calc::Picture& picture) override;
    const calc::VectorDiagram& diagram() const { return diagram_; }
    bool onSheet() const override { return !diagram_.empty(); }
    void paintOnSheet(QPainter& painter, const QRectF& area, const QFont& font) const override;
    const Geometry& geometry() const { return geometry_; }

    // Draws the diagram into `area` of another device (the PDF of the
    // working) with the painter's font, raised to 8 pt where it is smaller.
    void paintOn(QPainter& painter, const QRectF& area) const;
    // The layout paintOn draws.
    Geometry geometryOn(const QPainter& painter, const QRectF& area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Geometry layOut(const QRectF& area, const QFont& font, QPaintDevice* device) const;
    void draw(QPainter& p, const QRectF& area, const Geometry& g) const;
    QFont diagramFont() const;
    static QFont printFont(const QPainter& painter);

    calc::VectorDiagram diagram_;
    Geometry geometry_;
};

} // namespace vora::pages
