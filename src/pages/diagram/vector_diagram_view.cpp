// SPDX-License-Identifier: MIT
#include "vector_diagram_view.h"

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
constexpr qreal kGap = 3;  // between an arrow and its label
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

// A box of `size` beside `anchor`, on the side that direction `u` points to.
// `close`: its centre moved along `u` just far enough that the box clears the
// anchor (a label at an arrow's tip stays by the tip); otherwise as far as the
// box reaches along `u`, which keeps it off a line through the anchor.
QRectF BoxBeside(QPointF anchor, QPointF u, QSizeF size, bool close = false) {
    qreal along = std::abs(u.x()) * size.width() / 2 + std::abs(u.y()) * size.height() / 2;
    if (close) {
        const qreal alongX = std::abs(u.x()) > 1e-6 ? size.width() / 2 / std::abs(u.x()) : 1e9;
        const qreal alongY = std::abs(u.y()) > 1e-6 ? size.height() / 2 / std::abs(u.y()) : 1e9;
        along = std::min({along, alongX, alongY});
    }
    const QPointF centre = anchor + u * along;
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

void Translate(VectorDiagramView::Geometry& g, QPointF by) {
    g.origin += by;
    for (auto& a : g.arrows) {
        a.line.translate(by);
        a.shaft.translate(by);
        a.head.translate(by);
        a.labelBox.translate(by);
    }
    g.arc.translate(by);
    g.arcLabelBox.translate(by);
}

// Moves each label off the labels before it: up or down, whichever is
// nearer at the first overlap, then on in that direction until it is free.
void Separate(const std::vector<QRectF*>& boxes) {
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        QRectF& box = *boxes[i];
        int direction = 0;
        for (int step = 0; step < 2 * static_cast<int>(boxes.size()); ++step) {
            const auto hit =
                std::find_if(boxes.begin(), boxes.begin() + static_cast<long>(i),
                             [&](const QRectF* other) { return box.intersects(*other); });
            if (hit == boxes.begin() + static_cast<long>(i)) break;
            const QRectF& other = **hit;
            const qreal down = other.bottom() - box.top() + 1;
            const qreal up = box.bottom() - other.top() + 1;
            if (direction == 0) direction = down <= up ? 1 : -1;
            box.translate(0, direction > 0 ? down : -up);
        }
    }
}

// Keeps a label inside the picture.
void Clamp(QRectF& box, const QRectF& area) {
    box.moveLeft(
        std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
    box.moveTop(
        std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
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
    QFont f = font();
    f.setPointSizeF(8);
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
    // Measured once: the fitting below places everything several times.
    std::vector<QSizeF> sizes;
    for (const calc::Arrow& a : diagram_.arrows)
        sizes.emplace_back(fm.horizontalAdvance(QString::fromStdString(a.label)) + 2, fm.height());
    const QString arcLabel =
        diagram_.angle ? QString::fromStdString(diagram_.angle->label) : QString();
    const QSizeF arcSize(fm.horizontalAdvance(arcLabel) + 2, fm.height());

    // Everything at scale `s` around (0, 0); returns the box it all takes.
    const auto place = [&](double s) {
        g.arrows.clear();
        const auto at = [&](Complex z) {
            return QPointF((z.real() - centreX) * s, -(z.imag() - centreY) * s);
        };
        g.origin = at(0);
        QRectF used(g.origin, QSizeF(0, 0));
        qreal shortest = 1e9;
        std::vector<QRectF*> labels;
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
            shape.label = QString::fromStdString(a.label);
            const QSizeF& size = sizes[k];
            if (a.from == Complex(0) && std::abs(dir.x()) >= 0.8) {
                // Along the horizontal, room is short: over (or under) the
                // tip, ending where the arrow ends.
                const qreal x = dir.x() > 0 ? tip.x() - size.width() : tip.x();
                const qreal y = dir.y() <= 0 ? tip.y() - kGap - size.height() : tip.y() + kGap;
                shape.labelBox = QRectF(QPointF(x, y), size);
                shortest = std::min(shortest, length);
            } else if (a.from == Complex(0)) {
                shape.labelBox = BoxBeside(tip + dir * kGap, dir, size, true);
                shortest = std::min(shortest, length);
            } else {
                // A link of a chain: beside its middle, away from the picture's centre.
                const QPointF middle = (start + tip) / 2;
                const QPointF away = QPointF::dotProduct(normal, middle) >= 0 ? normal : -normal;
                shape.labelBox = BoxBeside(middle + away * kGap, away, size);
            }
            shape.colour = ColourOf(a.kind);
            shape.width = a.bold ? 2.2 : 1.4;
            shape.dashed = a.dashed;
            g.arrows.push_back(shape);
            used = used.united(QRectF(start, tip).normalized());
        }
        g.arc = {};
        g.arcLabel.clear();
        if (diagram_.angle) {
            const calc::AngleMark& m = *diagram_.angle;
            const qreal r = std::clamp(shortest * 0.35, 12.0, 36.0);
            g.arc = QRectF(g.origin - QPointF(r, r), QSizeF(2 * r, 2 * r));
            const double toDegrees16 = 16 * 180 / std::numbers::pi;
            g.arcStart = static_cast<int>(std::lround(m.start * toDegrees16));
            g.arcSpan = static_cast<int>(std::lround(m.sweep * toDegrees16));
            const double middle = m.start + m.sweep / 2;
            const QPointF dir(std::cos(middle), -std::sin(middle));
            g.arcLabel = arcLabel;
            g.arcLabelBox = BoxBeside(g.origin + dir * (r + kGap), dir, arcSize);
        }
        for (Shape& shape : g.arrows)
            labels.push_back(&shape.labelBox);
        if (!g.arcLabel.isEmpty()) labels.push_back(&g.arcLabelBox);
        Separate(labels);
        for (const QRectF* box : labels)
            used = used.united(*box);
        return used;
    };

    // Fit: the labels keep their size at any scale, so shrink until all
    // fits, yet never so far that the arrows become too short to read; a
    // label that still sticks out is moved inside.
    const double spanX = right - left, spanY = top - bottom;
    const double full = std::min(spanX > 1e-9 ? inner.width() / spanX : 1e9,
                                 spanY > 1e-9 ? inner.height() / spanY : 1e9);
    double s = full;
    QRectF used = place(s);
    for (int round = 0; round < 6; ++round) {
        const double overX = used.width() - inner.width(), overY = used.height() - inner.height();
        if (overX <= 0.5 && overY <= 0.5) break;
        double next = s;
        if (overX > 0.5 && spanX > 1e-9) next = std::min(next, s - overX / spanX);
        if (overY > 0.5 && spanY > 1e-9) next = std::min(next, s - overY / spanY);
        next = std::max(next, full * 0.45);
        if (next >= s) break;
        s = next;
        used = place(s);
    }
    Translate(g, inner.center() - used.center());
    for (Shape& shape : g.arrows)
        Clamp(shape.labelBox, area);
    if (!g.arcLabel.isEmpty()) Clamp(g.arcLabelBox, area);
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
        if (g.texts.empty())
            p.drawText(g.arcLabelBox, Qt::AlignCenter, g.arcLabel);
        else
            p.drawStaticText(g.arcLabelBox.topLeft() + QPointF(1, 0), g.texts[g.arrows.size()]);
    }
    for (const Shape& a : g.arrows) {
        p.setPen(QPen(a.colour, a.width, a.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a.shaft);
        p.setPen(Qt::NoPen);
        p.setBrush(a.colour);
        p.drawPolygon(a.head);
    }
    p.setBrush(Qt::NoBrush);
    // A label lies on a light backing, so that no arrow crossing it turns a
    // 1 into a 4 or hides a digit.
    const QColor backing(255, 255, 255, 215);
    for (std::size_t k = 0; k < g.arrows.size(); ++k) {
        const Shape& a = g.arrows[k];
        p.fillRect(a.labelBox, backing);
        p.setPen(a.colour);
        if (g.texts.empty())
            p.drawText(a.labelBox, Qt::AlignCenter, a.label);
        else
            p.drawStaticText(a.labelBox.topLeft() + QPointF(1, 0), g.texts[k]);
    }
}

void VectorDiagramView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(diagramFont());
    draw(p, rect(), geometry_);
}

void VectorDiagramView::paintOn(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setClipRect(area);
    draw(painter, area, layOut(area, painter.font(), nullptr));
    painter.restore();
}

} // namespace vora::pages
