// SPDX-License-Identifier: MIT
#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <optional>
#include <vector>

namespace vora::pages {

// The free room of a picture for its labels: a label goes beside what it
// names, clear of every arrow, arc, leader line and label already there and
// inside the picture; where that is crowded, further off with a leader line
// back to what it names. Places are tried in order of preference, so the
// same diagram always gets the same picture.
class LabelSpace {
public:
    explicit LabelSpace(const QRectF& bounds)
        : bounds_(bounds) {}

    void addLabel(const QRectF& box) { labels_.push_back(box); }
    void addLine(const QLineF& line) { lines_.push_back(line); }
    void addPolygon(const QPolygonF& polygon) { polygons_.push_back(polygon); }
    // An arc of `circle`, counter-clockwise on screen from `start` through `sweep` (radians).
    void addArc(const QRectF& circle, double start, double sweep);

    // Inside the picture and clear of everything added.
    bool isFree(const QRectF& box) const;

    // A box of `size` at `anchor`, on the side `toward` points to or turned
    // from it as little as there is room for.
    std::optional<QRectF> besidePoint(QPointF anchor, QPointF toward, QSizeF size) const;
    // A box of `size` beside `line`, near its middle, preferably on the side `away`.
    std::optional<QRectF> besideLine(const QLineF& line, QPointF away, QSizeF size) const;

    struct Distant {
        QRectF box;
        QLineF leader; // from `anchor` to the box's nearest edge
    };
    // The nearest free box whose leader line crosses no label, preferring
    // leaders that cross no arrow either.
    std::optional<Distant> withLeader(QPointF anchor, QSizeF size) const;

private:
    struct Candidate {
        QRectF box;
        double cost;
    };
    void ring(std::vector<Candidate>& out, QPointF anchor, QPointF toward, QSizeF size,
              double extraCost, double widest) const;
    std::optional<QRectF> firstFree(std::vector<Candidate>& candidates) const;
    bool lineCrossesLabel(const QLineF& line) const;
    int crossings(const QLineF& line) const;

    QRectF bounds_;
    std::vector<QRectF> labels_;
    std::vector<QLineF> lines_;
    std::vector<QPolygonF> polygons_;
};

} // namespace vora::pages
