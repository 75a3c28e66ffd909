// SPDX-License-Identifier: MIT
#include "vector_diagram_view.h"

#include "label_space.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vora::pages {

namespace {

using Kind = calc::Arrow::Kind;
using Complex = std::complex<double>;

constexpr qreal kHead = 8; // length of an arrow head
constexpr qreal kBorder = 4;

QColor ColourOf(Kind kind) {
    switch (kind) {
    case Kind::Voltage:
        return {20, 60, 170};
    case Kind::Current:
        return {175, 30, 30};
    case Kind::Power:
        return {0, 105, 55};
    }
    return Qt::black;
}

QPointF Unit(QPointF v) {
    const qreal length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

} // namespace

VectorDiagramView::VectorDiagramView(const QString& title, const QString& placeholder,
                                     QWidget* parent)
    : QWidget(parent)
    , title_(title)
    , placeholder_(placeholder) {
    setAccessibleName(title);
    setAttribute(Qt::WA_OpaquePaintEvent); // it paints every pixel
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

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
    Geometry g;
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    QRectF inner = area.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    if (!title_.isEmpty()) {
        g.titleBox = QRectF(inner.topLeft(), QSizeF(fm.horizontalAdvance(title_) + 2, fm.height()));
        inner.setTop(g.titleBox.bottom() + 2);
    }
    if (diagram_.empty() || inner.width() < 20 || inner.height() < 20) return g;

    // Each kind to its own scale; currents shorter than the voltages they go with.
    std::array<double, 3> longest{};
    for (const calc::Arrow& a : diagram_.arrows) {
        auto& l = longest[static_cast<std::size_t>(a.kind)];
        l = std::max({l, std::abs(a.from), std::abs(a.to)});
    }
    std::array<double, 3> factor{};
    for (std::size_t k = 0; k < 3; ++k)
        factor[k] = longest[k] > 0 && std::isfinite(1 / longest[k]) ? 1 / longest[k] : 0;
    if (longest[0] > 0) factor[1] *= 0.7;
    const auto norm = [&](const calc::Arrow& a, Complex z) {
        return z * factor[static_cast<std::size_t>(a.kind)];
    };
    double left = 0, right = 0, bottom = 0, top = 0;
    for (const calc::Arrow& a : diagram_.arrows)
        for (const Complex z : {norm(a, a.from), norm(a, a.to)}) {
            left = std::min(left, z.real());
            right = std::max(right, z.real());
            bottom = std::min(bottom, z.imag());
            top = std::max(top, z.imag());
        }
    const double centreX = (left + right) / 2, centreY = (top + bottom) / 2;
    // A label wider than the picture ("Q = 39.40 kVAR, S = 39.40 kVA") breaks after its comma.
    std::vector<QString> texts;
    std::vector<QSizeF> sizes;
    for (const calc::Arrow& a : diagram_.arrows) {
        QString text = QString::fromStdString(a.label);
        if (fm.horizontalAdvance(text) + 2 > area.width() - 4) text.replace(", ", ",\n");
        qreal width = 0;
        for (const QString& line : text.split('\n'))
            width = std::max(width, fm.horizontalAdvance(line));
        texts.push_back(text);
        sizes.emplace_back(width + 2, fm.height() * static_cast<qreal>(text.count('\n') + 1));
    }
    const QString arcLabel =
        diagram_.angle ? QString::fromStdString(diagram_.angle->label) : QString();
    const QSizeF arcSize(fm.horizontalAdvance(arcLabel) + 2, fm.height());

    // The arrows and the arc at scale `s`, in the room under the title at
    // `where` (0 to 1 across and down: (0.5, 0.5) centred).
    QPointF middle;
    const auto drawArrows = [&](double s, QPointF where) {
        g.arrows.clear();
        const QSizeF room = inner.size() - QSizeF((right - left) * s, (top - bottom) * s);
        middle = inner.center() + QPointF((where.x() - 0.5) * std::max(0.0, room.width()),
                                          (where.y() - 0.5) * std::max(0.0, room.height()));
        const auto at = [&](Complex z) {
            return middle + QPointF((z.real() - centreX) * s, -(z.imag() - centreY) * s);
        };
        g.origin = at(0);
        qreal shortest = 1e9;
        for (std::size_t k = 0; k < diagram_.arrows.size(); ++k) {
            const calc::Arrow& a = diagram_.arrows[k];
            Shape shape;
            shape.line = QLineF(at(norm(a, a.from)), at(norm(a, a.to)));
            const QPointF start = shape.line.p1(), tip = shape.line.p2();
            const QPointF dir = Unit(tip - start), normal(-dir.y(), dir.x());
            const qreal length = shape.line.length();
            const qreal head = std::min(kHead, length / 2);
            shape.shaft = QLineF(start, tip - dir * head * 0.8);
            shape.head << tip << tip - dir * head + normal * head * 0.4
                       << tip - dir * head - normal * head * 0.4;
            shape.label = texts[k];
            shape.colour = ColourOf(a.kind);
            shape.width = a.bold ? 2.2 : 1.4;
            shape.dashed = a.dashed;
            if (a.from == Complex(0)) shortest = std::min(shortest, length);
            g.arrows.push_back(shape);
        }
        g.arc = {};
        g.arcLabel.clear();
        if (diagram_.angle) {
            const qreal r = std::clamp(shortest * 0.35, 12.0, 36.0);
            g.arc = QRectF(g.origin - QPointF(r, r), QSizeF(2 * r, 2 * r));
            const double toDegrees16 = 16 * 180 / std::numbers::pi;
            g.arcStart = static_cast<int>(std::lround(diagram_.angle->start * toDegrees16));
            g.arcSpan = static_cast<int>(std::lround(diagram_.angle->sweep * toDegrees16));
            g.arcLabel = arcLabel;
        }
    };

    // The source's labels first, then the angle's, then the parts': the
    // first placed get the places beside their arrows.
    std::vector<int> order;
    for (std::size_t k = 0; k < diagram_.arrows.size(); ++k)
        if (diagram_.arrows[k].bold) order.push_back(static_cast<int>(k));
    if (diagram_.angle) order.push_back(-1);
    for (std::size_t k = 0; k < diagram_.arrows.size(); ++k)
        if (!diagram_.arrows[k].bold) order.push_back(static_cast<int>(k));

    // Places the labels in `labels`; returns the position of the first that
    // found no free place (with a leader line only if `leaders`), and gives
    // up there unless `anyway`, which places it all the same.
    const auto placeLabels = [&](const std::vector<int>& labels, bool leaders, bool anyway) {
        LabelSpace space(area.adjusted(1, 1, -1, -1));
        if (!g.titleBox.isEmpty()) space.addLabel(g.titleBox);
        for (const Shape& a : g.arrows) {
            space.addLine(a.shaft);
            space.addPolygon(a.head);
        }
        if (!g.arc.isEmpty()) space.addArc(g.arc, diagram_.angle->start, diagram_.angle->sweep);
        std::optional<std::size_t> failed;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const int k = labels[i];
            const bool arc = k < 0;
            const QSizeF size = arc ? arcSize : sizes[static_cast<std::size_t>(k)];
            QPointF anchor, toward;
            std::optional<QRectF> box;
            if (arc) {
                const double middle = diagram_.angle->start + diagram_.angle->sweep / 2;
                toward = QPointF(std::cos(middle), -std::sin(middle));
                anchor = g.origin + toward * (g.arc.width() / 2);
                box = space.besidePoint(anchor, toward, size);
            } else if (const QLineF& line = g.arrows[static_cast<std::size_t>(k)].line;
                       diagram_.arrows[static_cast<std::size_t>(k)].from == Complex(0)) {
                anchor = line.p2();
                toward = Unit(line.p2() - line.p1());
                box = space.besidePoint(anchor, toward, size);
            } else {
                // A link of a chain: beside its middle, away from the picture's centre.
                anchor = line.center();
                const QPointF dir = Unit(line.p2() - line.p1()), normal(-dir.y(), dir.x());
                toward = QPointF::dotProduct(normal, anchor - middle) >= 0 ? normal : -normal;
                box = space.besideLine(line, toward, size);
            }
            QLineF leader;
            if (!box && leaders)
                if (const auto distant = space.withLeader(anchor, size)) {
                    box = distant->box;
                    leader = distant->leader;
                }
            if (!box) {
                if (!failed) failed = i;
                if (!anyway) return failed;
                box = QRectF(anchor, size);
            }
            space.addLabel(*box);
            if (!leader.isNull()) space.addLine(leader);
            if (arc) {
                g.arcLabelBox = *box;
                g.arcLeader = leader;
            } else {
                g.arrows[static_cast<std::size_t>(k)].labelBox = *box;
                g.arrows[static_cast<std::size_t>(k)].leader = leader;
            }
        }
        return failed;
    };

    // The largest picture whose labels all sit beside their arrows, unless
    // that makes it much smaller than the room; then the largest with leader
    // lines, shrinking the arrows (never the text) as far as it takes.
    const double spanX = right - left, spanY = top - bottom;
    const double full = std::min(spanX > 1e-9 ? inner.width() / spanX : 1e9,
                                 spanY > 1e-9 ? inner.height() / spanY : 1e9);
    const QPointF places[] = {{0.5, 0.5}, {0, 0.5}, {1, 0.5}, {0.5, 0}, {0.5, 1},
                              {0, 0},     {1, 0},   {0, 1},   {1, 1}};
    const auto fits = [&](double f, bool leaders) {
        for (const QPointF where : places) {
            drawArrows(full * f, where);
            // A label left without room goes first next time: the ones
            // before it may have closed it in.
            std::vector<int> labels = order;
            for (std::size_t round = 0; round < 3; ++round) {
                const auto failed = placeLabels(labels, leaders, false);
                if (!failed) return true;
                if (*failed == 0) break;
                const auto at = labels.begin() + static_cast<long>(*failed);
                std::rotate(labels.begin(), at, at + 1);
            }
        }
        return false;
    };
    bool placed = false;
    for (double f = 1; f > 0.575 && !placed; f -= 0.05)
        placed = fits(f, false);
    for (const double f : {0.8, 0.6, 0.45, 0.3, 0.15})
        if (!placed) placed = fits(f, true);
    if (!placed) { // as few labels in the way as can be
        drawArrows(full * 0.4, places[0]);
        placeLabels(order, true, true);
    }
    if (device) {
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
