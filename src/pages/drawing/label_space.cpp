// SPDX-License-Identifier: MIT
#include "label_space.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vora::pages {

namespace {

constexpr double kGap = 3;        // between a label and what it names
constexpr double kLabelClear = 1; // between two labels
constexpr double kLineClear = 2;  // between a label and a line: half a bold pen and a bit
constexpr double kShortLeader = 9;

double Degrees(QPointF a, QPointF b) {
    const double la = std::hypot(a.x(), a.y()), lb = std::hypot(b.x(), b.y());
    if (la <= 0 || lb <= 0) return 0;
    const double c = std::clamp((a.x() * b.x() + a.y() * b.y()) / (la * lb), -1.0, 1.0);
    return std::acos(c) * 180 / std::numbers::pi;
}

QPointF Turned(QPointF u, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return {u.x() * std::cos(r) - u.y() * std::sin(r), u.x() * std::sin(r) + u.y() * std::cos(r)};
}

QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// Liang-Barsky: does any point of the segment lie in the rectangle?
bool Hits(const QLineF& s, const QRectF& r) {
    const double dx = s.dx(), dy = s.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1() - r.left(), r.right() - s.x1(), s.y1() - r.top(),
                         r.bottom() - s.y1()};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    return true;
}

bool Hits(const QPolygonF& polygon, const QRectF& r) {
    for (qsizetype i = 0; i < polygon.size(); ++i)
        if (Hits(QLineF(polygon[i], polygon[(i + 1) % polygon.size()]), r)) return true;
    return polygon.containsPoint(r.center(), Qt::OddEvenFill);
}

// The box of `size` whose edge passes through `point` and whose centre lies
// from it along `u`.
QRectF Touching(QPointF point, QPointF u, QSizeF size) {
    const double alongX = std::abs(u.x()) > 1e-6 ? size.width() / 2 / std::abs(u.x()) : 1e9;
    const double alongY = std::abs(u.y()) > 1e-6 ? size.height() / 2 / std::abs(u.y()) : 1e9;
    const QPointF centre = point + u * std::min(alongX, alongY);
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

QPointF Nearest(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

} // namespace

void LabelSpace::addArc(const QRectF& circle, double start, double sweep) {
    const int pieces = std::max(4, static_cast<int>(std::abs(sweep) * 180 / std::numbers::pi / 8));
    const QPointF c = circle.center();
    const double r = circle.width() / 2;
    QPointF last;
    for (int k = 0; k <= pieces; ++k) {
        const double a = start + sweep * k / pieces;
        const QPointF p = c + QPointF(std::cos(a), -std::sin(a)) * r;
        if (k > 0) lines_.emplace_back(last, p);
        last = p;
    }
}

bool LabelSpace::isFree(const QRectF& box) const {
    if (!bounds_.contains(box)) return false;
    const QRectF wide = box.adjusted(-kLabelClear, -kLabelClear, kLabelClear, kLabelClear);
    for (const QRectF& other : labels_)
        if (wide.intersects(other)) return false;
    const QRectF padded = box.adjusted(-kLineClear, -kLineClear, kLineClear, kLineClear);
    for (const QLineF& line : lines_)
        if (Hits(line, padded)) return false;
    for (const QPolygonF& polygon : polygons_)
        if (Hits(polygon, padded)) return false;
    return true;
}

// Boxes around `anchor`: touching it in directions up to `widest` degrees
// from `toward`, and lined up with it above, below and to either side; the
// nearer to `toward`, the cheaper.
void LabelSpace::ring(std::vector<Candidate>& out, QPointF anchor, QPointF toward, QSizeF size,
                      double extraCost, double widest) const {
    const QPointF u = Unit(toward);
    for (double turn = 0; turn <= widest; turn += 15)
        for (const double sign : {1.0, -1.0}) {
            if (turn == 0 && sign < 0) continue;
            const QPointF v = Turned(u, sign * turn);
            for (const double distance : {kGap, kGap + 6})
                out.push_back({Touching(anchor + v * distance, v, size),
                               turn + (distance - kGap) * 4 + extraCost});
        }
    const double w = size.width(), h = size.height();
    const QPointF a = anchor;
    const QRectF lined[] = {
        {a.x() - w, a.y() - kGap - h, w, h}, {a.x() - w / 2, a.y() - kGap - h, w, h},
        {a.x(), a.y() - kGap - h, w, h},     {a.x() - w, a.y() + kGap, w, h},
        {a.x() - w / 2, a.y() + kGap, w, h}, {a.x(), a.y() + kGap, w, h},
        {a.x() - kGap - w, a.y() - h, w, h}, {a.x() - kGap - w, a.y() - h / 2, w, h},
        {a.x() - kGap - w, a.y(), w, h},     {a.x() + kGap, a.y() - h, w, h},
        {a.x() + kGap, a.y() - h / 2, w, h}, {a.x() + kGap, a.y(), w, h},
    };
    for (const QRectF& box : lined) {
        const double turn = Degrees(u, box.center() - a);
        if (turn <= widest + 30) out.push_back({box, turn + 5 + extraCost});
    }
}

std::optional<QRectF> LabelSpace::firstFree(std::vector<Candidate>& candidates) const {
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    for (const Candidate& c : candidates)
        if (isFree(c.box)) return c.box;
    return std::nullopt;
}

std::optional<QRectF> LabelSpace::besidePoint(QPointF anchor, QPointF toward, QSizeF size) const {
    std::vector<Candidate> candidates;
    ring(candidates, anchor, toward, size, 0, 180);
    return firstFree(candidates);
}

std::optional<QRectF> LabelSpace::besideLine(const QLineF& line, QPointF away, QSizeF size) const {
    std::vector<Candidate> candidates;
    for (const double t : {0.5, 0.35, 0.65, 0.2, 0.8}) {
        const QPointF at = line.pointAt(t);
        const double offCentre = std::abs(t - 0.5) * 80;
        ring(candidates, at, away, size, offCentre, 60);
        ring(candidates, at, -away, size, offCentre + 20, 60);
    }
    return firstFree(candidates);
}

bool LabelSpace::lineCrossesLabel(const QLineF& line) const {
    return std::any_of(labels_.begin(), labels_.end(), [&](const QRectF& box) {
        return Hits(line, box.adjusted(-kLabelClear, -kLabelClear, kLabelClear, kLabelClear));
    });
}

int LabelSpace::crossings(const QLineF& line) const {
    // Shortened at both ends: a leader starts on an arrow's tip.
    const QLineF inner(line.pointAt(0.1), line.pointAt(0.95));
    const auto crosses = [&](const QLineF& other) {
        QPointF at;
        return inner.intersects(other, &at) == QLineF::BoundedIntersection;
    };
    int n = 0;
    for (const QLineF& other : lines_)
        n += crosses(other) ? 1 : 0;
    for (const QPolygonF& polygon : polygons_)
        for (qsizetype i = 0; i < polygon.size(); ++i)
            n += crosses(QLineF(polygon[i], polygon[(i + 1) % polygon.size()])) ? 1 : 0;
    return n;
}

std::optional<LabelSpace::Distant> LabelSpace::withLeader(QPointF anchor, QSizeF size) const {
    const double w = size.width(), h = size.height();
    if (bounds_.width() < w || bounds_.height() < h) return std::nullopt;
    // A grid of a few thousand places over the picture.
    const double step = std::max(2.0, std::sqrt(bounds_.width() * bounds_.height() / 3000.0));
    // Nearest first: the search ends at the first place whose leader crosses nothing.
    std::vector<std::pair<double, QRectF>> places;
    for (double y = bounds_.top(); y + h <= bounds_.bottom(); y += step)
        for (double x = bounds_.left(); x + w <= bounds_.right(); x += step) {
            const QRectF box(x, y, w, h);
            const QPointF end = Nearest(box, anchor);
            const double distance = std::hypot(end.x() - anchor.x(), end.y() - anchor.y());
            if (distance >= kGap) places.emplace_back(distance, box);
        }
    std::sort(places.begin(), places.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::optional<Distant> best;
    double bestCost = 1e18;
    for (const auto& [distance, box] : places) {
        if (distance >= bestCost) break;
        if (!isFree(box)) continue;
        const QLineF leader(anchor, Nearest(box, anchor));
        if (lineCrossesLabel(leader)) continue;
        const double cost = distance + 25.0 * crossings(leader);
        if (cost >= bestCost) continue;
        bestCost = cost;
        best = Distant{box, distance < kShortLeader ? QLineF() : leader};
    }
    return best;
}

} // namespace vora::pages
