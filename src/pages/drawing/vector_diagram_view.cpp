// SPDX-License-Identifier: MIT
#include "vector_diagram_view.h"

#include "diagram_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vora::pages {

namespace {

constexpr qreal kBorder = 4; // as the layout leaves

} // namespace

VectorDiagramView::VectorDiagramView(const QString& title, const QString& placeholder,
                                     QWidget* parent)
    : TitledPicture(title, placeholder, parent) {}

QSize VectorDiagramView::sizeHint() const {
    return {260, 180};
}

QSize VectorDiagramView::minimumSizeHint() const {
    return {150, 110};
}

QFont VectorDiagramView::diagramFont() const {
    // The program's small type: a point under the application's, never under 8 pt.
    QFont f = font();
    const qreal base = f.pointSizeF();
    f.setPointSizeF(std::max<qreal>(8, base > 0 ? base - 1 : 8));
    return f;
}

QFont VectorDiagramView::printFont(const QPainter& painter) {
    // In the painter's units: the device's resolution undone by its scale.
    QFont f = painter.font();
    const QPaintDevice* device = painter.device();
    const qreal dpi = device ? device->logicalDpiY() : 96;
    const qreal scale = std::sqrt(std::abs(painter.worldTransform().determinant()));
    const qreal perInch = scale > 0 ? dpi / scale : dpi;
    const qreal pixels = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * dpi / 72;
    f.setPixelSize(static_cast<int>(std::ceil(std::max(pixels, 8 * perInch / 72) - 1e-9)));
    return f;
}

void VectorDiagramView::paintOnSheet(QPainter& painter, const QRectF& area,
                                     const QFont& font) const {
    painter.setFont(SheetFont(font, 10));
    paintOn(painter, area);
}

void VectorDiagramView::showPicture(const calc::Picture& picture) {
    if (const auto* diagram = std::get_if<calc::VectorDiagram>(&picture)) setDiagram(*diagram);
}

void VectorDiagramView::setDiagram(const calc::VectorDiagram& diagram) {
    if (diagram == diagram_) return;
    diagram_ = diagram;
    setAccessibleDescription(QString::fromStdString(calc::Describe(diagram_)));
    geometry_ = layOut(rect(), diagramFont(), this);
    update();
}

void VectorDiagramView::resizeEvent(QResizeEvent*) {
    geometry_ = layOut(rect(), diagramFont(), this);
}

VectorDiagramView::Geometry VectorDiagramView::layOut(const QRectF& area, const QFont& font,
                                                      QPaintDevice* device) const {
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    Geometry g = LayOutDiagram(diagram_, title_, area, fm);
    if (device && !g.arrows.empty()) {
        const auto prepared = [&](const QString& text) {
            QStaticText t(text);
            t.setTextFormat(Qt::PlainText);
            t.prepare(QTransform(), font);
            return t;
        };
        for (const Shape& shape : g.arrows)
            g.texts.push_back(prepared(shape.label));
        g.texts.push_back(prepared(g.arcLabel));
        g.texts.push_back(prepared(title_));
    }
    return g;
}

void VectorDiagramView::draw(QPainter& p, const QRectF& area, const Geometry& g) const {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QColor grey(96, 96, 96); // readable on white
    p.setPen(grey);
    if (g.texts.empty())
        p.drawText(g.titleBox, Qt::AlignLeft | Qt::AlignVCenter, title_);
    else
        p.drawStaticText(g.titleBox.topLeft(), g.texts.back());
    if (g.arrows.empty()) {
        const QString note = QString::fromStdString(diagram_.note);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, note.isEmpty() ? placeholder_ : note);
        return;
    }
    // The reference direction through the origin.
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(QPointF(area.left() + kBorder, g.origin.y()),
               QPointF(area.right() - kBorder, g.origin.y()));
    if (!g.arc.isEmpty()) {
        p.setPen(QPen(grey, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(g.arc, g.arcStart, g.arcSpan);
    }
    for (const Shape& a : g.arrows) {
        p.setPen(QPen(a.colour, a.width, a.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a.shaft);
        p.setPen(Qt::NoPen);
        p.setBrush(a.colour);
        p.drawPolygon(a.head);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    for (const Shape& a : g.arrows)
        if (!a.leader.isNull()) p.drawLine(a.leader);
    if (!g.arcLeader.isNull()) p.drawLine(g.arcLeader);
    // The reference line runs under the labels: a light backing keeps it off the text.
    const QColor backing(255, 255, 255, 215);
    for (std::size_t k = 0; k < g.arrows.size(); ++k) {
        const Shape& a = g.arrows[k];
        p.fillRect(a.labelBox, backing);
        p.setPen(a.colour);
        if (g.texts.empty() || a.label.contains('\n'))
            p.drawText(a.labelBox, Qt::AlignCenter, a.label);
        else
            p.drawStaticText(a.labelBox.topLeft() + QPointF(1, 0), g.texts[k]);
    }
    if (!g.arc.isEmpty()) {
        p.fillRect(g.arcLabelBox, backing);
        p.setPen(grey);
        if (g.texts.empty())
            p.drawText(g.arcLabelBox, Qt::AlignCenter, g.arcLabel);
        else
            p.drawStaticText(g.arcLabelBox.topLeft() + QPointF(1, 0), g.texts[g.arrows.size()]);
    }
}

void VectorDiagramView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(diagramFont());
    draw(p, rect(), geometry_);
}

VectorDiagramView::Geometry VectorDiagramView::geometryOn(const QPainter& painter,
                                                          const QRectF& area) const {
    return layOut(area, printFont(painter), nullptr);
}

void VectorDiagramView::paintOn(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setClipRect(area);
    const Geometry g = geometryOn(painter, area);
    painter.setFont(printFont(painter));
    draw(painter, area, g);
    painter.restore();
}

} // namespace vora::pages
