// SPDX-License-Identifier: MIT
#include "diagram_layout.h"

#include "label_space.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace vora::pages {

namespace {

using Kind = calc::Arrow::Kind;
using Complex = std::complex<double>;
using Geometry = VectorDiagramView::Geometry;
using Shape = VectorDiagramView::Shape;

constexpr qreal kHead = 8; // length of an arrow head
constexpr qreal kBorder = 4;
constexpr qreal kSamePoint = 8; // labels of points this close share one stack

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

double Distance(const QRectF& box, QPointF p) {
    const QPointF nearest(std::clamp(p.x(), box.left(), box.right()),
                          std::clamp(p.y(), box.top(), box.bottom()));
    return QLineF(p, nearest).length();
}

class Layout {
public:
    Layout(const calc::VectorDiagram& diagram, const QString& title, const QRectF& area,
           const QFontMetricsF& fm);
    Geometry run();

private:
    // What a label names: a point (an arrow's tip, the arc's middle) or a
    // link of a chain (beside its middle, away from the picture's centre),
    // and the side it would rather be on.
    struct Target {
        int k; // the arrow, or -1 for the angle
        QPointF anchor, toward;
        std::optional<QLineF> link;
        QSizeF size;
    };

    void measure(const QFontMetricsF& fm);
    void drawArrows(double s, QPointF where);
    Target targetOf(int k) const;
    std::optional<std::size_t> placeLabels(const std::vector<int>& labels, bool leaders,
                                           bool anyway);
    void setRows(const std::vector<Target>& targets, const std::vector<std::size_t>& stack,
                 const QRectF& box, const QLineF& leader);
    bool fits(double f, bool leaders);

    const calc::VectorDiagram& diagram_;
    QRectF area_, inner_;
    Geometry g_;
    std::array<double, 3> factor_{};
    double left_ = 0, right_ = 0, bottom_ = 0, top_ = 0;
    double full_ = 1; // the scale at which the arrows fill the room
    QPointF middle_;  // of the arrows as now drawn
    std::vector<QString> texts_;
    std::vector<QSizeF> sizes_;
    QSizeF arcSize_;
    std::vector<int> order_;
};

Layout::Layout(const calc::VectorDiagram& diagram, const QString& title, const QRectF& area,
               const QFontMetricsF& fm)
    : diagram_(diagram)
    , area_(area)
    , inner_(area.adjusted(kBorder, kBorder, -kBorder, -kBorder)) {
    if (!title.isEmpty()) {
        g_.titleBox =
            QRectF(inner_.topLeft(), QSizeF(fm.horizontalAdvance(title) + 2, fm.height()));
        inner_.setTop(g_.titleBox.bottom() + 2);
    }
    measure(fm);
}

void Layout::measure(const QFontMetricsF& fm) {
    // Each kind to its own scale; currents shorter than the voltages they go with.
    std::array<double, 3> longest{};
    for (const calc::Arrow& a : diagram_.arrows) {
        auto& l = longest[static_cast<std::size_t>(a.kind)];
        l = std::max({l, std::abs(a.from), std::abs(a.to)});
    }
    for (std::size_t k = 0; k < 3; ++k)
        factor_[k] = longest[k] > 0 && std::isfinite(1 / longest[k]) ? 1 / longest[k] : 0;
    if (longest[0] > 0) factor_[1] *= 0.7;
    for (const calc::Arrow& a : diagram_.arrows)
        for (const Complex z : {a.from, a.to}) {
            const Complex n = z * factor_[static_cast<std::size_t>(a.kind)];
            left_ = std::min(left_, n.real());
            right_ = std::max(right_, n.real());
            bottom_ = std::min(bottom_, n.imag());
            top_ = std::max(top_, n.imag());
        }
    const double spanX = right_ - left_, spanY = top_ - bottom_;
    full_ = std::min(spanX > 1e-9 ? inner_.width() / spanX : 1e9,
                     spanY > 1e-9 ? inner_.height() / spanY : 1e9);

    // A label wider than the picture ("Q = 39.40 kVAR, S = 39.40 kVA") breaks after its comma.
    for (const calc::Arrow& a : diagram_.arrows) {
        QString text = QString::fromStdString(a.label);
        if (fm.horizontalAdvance(text) + 2 > area_.width() - 4) text.replace(", ", ",\n");
        qreal width = 0;
        for (const QString& line : text.split('\n'))
            width = std::max(width, fm.horizontalAdvance(line));
        texts_.push_back(text);
        sizes_.emplace_back(width + 2, fm.height() * static_cast<qreal>(text.count('\n') + 1));
    }
    if (diagram_.angle) {
        g_.arcLabel = QString::fromStdString(diagram_.angle->label);
        arcSize_ = QSizeF(fm.horizontalAdvance(g_.arcLabel) + 2, fm.height());
    }

    // The source's labels first, then the angle's, then the parts': the
    // first placed get the places beside their arrows.
    for (std::size_t k = 0; k < diagram_.arrows.size(); ++k)
        if (diagram_.arrows[k].bold) order_.push_back(static_cast<int>(k));
    if (diagram_.angle) order_.push_back(-1);
    for (std::size_t k = 0; k < diagram_.arrows.size(); ++k)
        if (!diagram_.arrows[k].bold) order_.push_back(static_cast<int>(k));
}

// The arrows and the arc at scale `s`, in the room under the title at
// `where` (0 to 1 across and down: (0.5, 0.5) centred).
void Layout::drawArrows(double s, QPointF where) {
    g_.arrows.clear();
    const QSizeF room = inner_.size() - QSizeF((right_ - left_) * s, (top_ - bottom_) * s);
    middle_ = inner_.center() + QPointF((where.x() - 0.5) * std::max(0.0, room.width()),
                                        (where.y() - 0.5) * std::max(0.0, room.height()));
    const double centreX = (left_ + right_) / 2, centreY = (top_ + bottom_) / 2;
    const auto at = [&](const calc::Arrow& a, Complex z) {
        z *= factor_[static_cast<std::size_t>(a.kind)];
        return middle_ + QPointF((z.real() - centreX) * s, -(z.imag() - centreY) * s);
    };
    g_.origin = middle_ + QPointF(-centreX * s, centreY * s);
    qreal shortest = 1e9;
    for (std::size_t k = 0; k < diagram_.arrows.size(); ++k) {
        const calc::Arrow& a = diagram_.arrows[k];
        Shape shape;
        shape.line = QLineF(at(a, a.from), at(a, a.to));
        const QPointF start = shape.line.p1(), tip = shape.line.p2();
        const QPointF dir = Unit(tip - start), normal(-dir.y(), dir.x());
        const qreal length = shape.line.length();
        const qreal head = std::min(kHead, length / 2);
        shape.shaft = QLineF(start, tip - dir * head * 0.8);
        shape.head << tip << tip - dir * head + normal * head * 0.4
                   << tip - dir * head - normal * head * 0.4;
        shape.label = texts_[k];
        shape.colour = ColourOf(a.kind);
        shape.width = a.bold ? 2.2 : 1.4;
        shape.dashed = a.dashed;
        if (a.from == Complex(0)) shortest = std::min(shortest, length);
        g_.arrows.push_back(shape);
    }
    if (diagram_.angle) {
        const qreal r = std::clamp(shortest * 0.35, 12.0, 36.0);
        g_.arc = QRectF(g_.origin - QPointF(r, r), QSizeF(2 * r, 2 * r));
        const double toDegrees16 = 16 * 180 / std::numbers::pi;
        g_.arcStart = static_cast<int>(std::lround(diagram_.angle->start * toDegrees16));
        g_.arcSpan = static_cast<int>(std::lround(diagram_.angle->sweep * toDegrees16));
    }
}

Layout::Target Layout::targetOf(int k) const {
    Target t{k, {}, {}, std::nullopt, k < 0 ? arcSize_ : sizes_[static_cast<std::size_t>(k)]};
    if (k < 0) {
        const double half = diagram_.angle->start + diagram_.angle->sweep / 2;
        t.toward = QPointF(std::cos(half), -std::sin(half));
        t.anchor = g_.origin + t.toward * (g_.arc.width() / 2);
        return t;
    }
    const QLineF& line = g_.arrows[static_cast<std::size_t>(k)].line;
    const QPointF dir = Unit(line.p2() - line.p1());
    if (diagram_.arrows[static_cast<std::size_t>(k)].from == Complex(0)) {
        t.anchor = line.p2();
        t.toward = dir;
        return t;
    }
    t.link = line;
    t.anchor = line.center();
    const QPointF normal(-dir.y(), dir.x());
    t.toward = QPointF::dotProduct(normal, t.anchor - middle_) >= 0 ? normal : -normal;
    return t;
}

// Places the labels in `labels`; returns the position of the first that
// found no free place (with a leader line only if `leaders`), and gives up
// there unless `anyway`, which places it all the same. Labels of one point
// (arrows that end together) go in one stack, placed as one.
std::optional<std::size_t> Layout::placeLabels(const std::vector<int>& labels, bool leaders,
                                               bool anyway) {
    LabelSpace space(area_.adjusted(1, 1, -1, -1));
    for (const Shape& a : g_.arrows) {
        space.addLine(a.shaft);
        space.addPolygon(a.head);
    }
    if (!g_.arc.isEmpty()) space.addArc(g_.arc, diagram_.angle->start, diagram_.angle->sweep);
    if (!g_.titleBox.isEmpty()) {
        // The arc, wider than short arrows, can reach up to the title.
        if (!space.isFree(g_.titleBox) && !anyway) return 0;
        space.addLabel(g_.titleBox);
    }
    std::vector<Target> targets;
    for (const int k : labels)
        targets.push_back(targetOf(k));
    std::vector<bool> stacked(targets.size());
    std::optional<std::size_t> failed;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (stacked[i]) continue;
        const Target& t = targets[i];
        std::vector<std::size_t> stack{i};
        QSizeF size = t.size;
        for (std::size_t j = i + 1; j < targets.size(); ++j)
            if (!stacked[j] && QLineF(t.anchor, targets[j].anchor).length() <= kSamePoint) {
                stacked[j] = true;
                stack.push_back(j);
                size = QSizeF(std::max(size.width(), targets[j].size.width()),
                              size.height() + targets[j].size.height());
            }
        // The angle's label under the arrows' in a stack of both.
        std::stable_partition(stack.begin(), stack.end(),
                              [&](std::size_t m) { return targets[m].k >= 0; });
        std::optional<QRectF> box = t.link && stack.size() == 1
                                        ? space.besideLine(*t.link, t.toward, size)
                                        : space.besidePoint(t.anchor, t.toward, size);
        QLineF leader;
        if (!box && leaders)
            if (const auto distant = space.withLeader(t.anchor, size)) {
                box = distant->box;
                leader = distant->leader;
            }
        if (!box) {
            if (!failed) failed = i;
            if (!anyway) return failed;
            box = QRectF(t.anchor, size);
        }
        space.addLabel(*box);
        if (!leader.isNull()) space.addLine(leader);
        setRows(targets, stack, *box, leader);
    }
    return failed;
}

// One row of `box` for each label of `stack`, lined up on the side of the
// point; the leader goes to the row it ends nearest to.
void Layout::setRows(const std::vector<Target>& targets, const std::vector<std::size_t>& stack,
                     const QRectF& box, const QLineF& leader) {
    const bool rightAligned = box.center().x() < targets[stack.front()].anchor.x();
    std::vector<QRectF> rows;
    qreal y = box.top();
    for (const std::size_t m : stack) {
        const QSizeF& own = targets[m].size;
        rows.emplace_back(rightAligned ? box.right() - own.width() : box.left(), y, own.width(),
                          own.height());
        y += own.height();
    }
    std::size_t ends = 0;
    for (std::size_t r = 1; r < rows.size(); ++r)
        if (Distance(rows[r], leader.p2()) < Distance(rows[ends], leader.p2())) ends = r;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QLineF own = r == ends ? leader : QLineF();
        if (const int k = targets[stack[r]].k; k < 0) {
            g_.arcLabelBox = rows[r];
            g_.arcLeader = own;
        } else {
            g_.arrows[static_cast<std::size_t>(k)].labelBox = rows[r];
            g_.arrows[static_cast<std::size_t>(k)].leader = own;
        }
    }
}

bool Layout::fits(double f, bool leaders) {
    // Centred first, then against each side and corner.
    const QPointF places[] = {{0.5, 0.5}, {0, 0.5}, {1, 0.5}, {0.5, 0}, {0.5, 1},
                              {0, 0},     {1, 0},   {0, 1},   {1, 1}};
    for (const QPointF where : places) {
        drawArrows(full_ * f, where);
        // A label left without room goes first next time: the ones before
        // it may have closed it in.
        std::vector<int> labels = order_;
        for (int round = 0; round < 3; ++round) {
            const auto failed = placeLabels(labels, leaders, false);
            if (!failed) return true;
            if (*failed == 0) break;
            const auto at = labels.begin() + static_cast<std::ptrdiff_t>(*failed);
            std::rotate(labels.begin(), at, at + 1);
        }
    }
    return false;
}

// The largest picture whose labels all sit beside their arrows, unless that
// makes it much smaller than the room; then the largest with leader lines,
// shrinking the arrows as far as it takes.
Geometry Layout::run() {
    if (diagram_.empty() || inner_.width() < 20 || inner_.height() < 20) {
        g_.arcLabel.clear();
        return g_;
    }
    bool placed = false;
    for (double f = 1; f > 0.575 && !placed; f -= 0.05)
        placed = fits(f, false);
    for (const double f : {0.8, 0.6, 0.45, 0.3, 0.15})
        if (!placed) placed = fits(f, true);
    if (!placed) { // as few labels in the way as can be
        drawArrows(full_ * 0.4, {0.5, 0.5});
        placeLabels(order_, true, true);
    }
    return g_;
}

} // namespace

Geometry LayOutDiagram(const calc::VectorDiagram& diagram, const QString& title, const QRectF& area,
                       const QFontMetricsF& fm) {
    return Layout(diagram, title, area, fm).run();
}

} // namespace vora::pages
