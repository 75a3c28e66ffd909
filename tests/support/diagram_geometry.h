// SPDX-License-Identifier: MIT
// What keeps a diagram's labels from being read, measured on the strokes as
// they are painted: labels (the angle's and the title included) on each
// other, an arrow's shaft or head, the arc or a leader line over a label's
// text, a label outside the picture.
#pragma once

#include "pages/drawing/vector_diagram_view.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <string>
#include <vector>

namespace vora::testing {

inline std::vector<std::string> LabelProblems(const pages::VectorDiagramView::Geometry& g,
                                              const QRectF& area) {
    struct Label {
        QRectF box;
        QString text;
    };
    std::vector<Label> labels;
    for (const auto& a : g.arrows)
        labels.push_back({a.labelBox, a.label});
    const std::size_t arcLabel = labels.size();
    if (!g.arcLabel.isEmpty()) labels.push_back({g.arcLabelBox, g.arcLabel});
    if (!g.titleBox.isEmpty()) labels.push_back({g.titleBox, "the title"});

    const auto stroke = [](const QPainterPath& path, qreal width) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::FlatCap);
        return stroker.createStroke(path);
    };
    const auto line = [](const QLineF& l) {
        QPainterPath path(l.p1());
        path.lineTo(l.p2());
        return path;
    };
    struct Stroke {
        QPainterPath path;
        std::size_t own; // the label it may touch by a pixel
        QString what;
        bool leader = false; // ends on its own label
    };
    std::vector<Stroke> strokes;
    for (std::size_t k = 0; k < g.arrows.size(); ++k) {
        const auto& a = g.arrows[k];
        strokes.push_back({stroke(line(a.shaft), a.width), k, "the arrow of " + a.label});
        QPainterPath head;
        head.addPolygon(a.head);
        head.closeSubpath();
        strokes.push_back({head, k, "the head of " + a.label});
        if (!a.leader.isNull())
            strokes.push_back({stroke(line(a.leader), 0.8), k, "the leader of " + a.label, true});
    }
    if (!g.arc.isEmpty()) {
        QPainterPath arc;
        arc.arcMoveTo(g.arc, g.arcStart / 16.0);
        arc.arcTo(g.arc, g.arcStart / 16.0, g.arcSpan / 16.0);
        strokes.push_back({stroke(arc, 1), arcLabel, "the arc"});
        if (!g.arcLeader.isNull())
            strokes.push_back({stroke(line(g.arcLeader), 0.8), arcLabel, "the arc's leader", true});
    }

    std::vector<std::string> problems;
    const auto say = [&](const QString& what) { problems.push_back(what.toStdString()); };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!area.contains(labels[i].box)) say(labels[i].text + " outside the picture");
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (labels[i].box.intersects(labels[j].box))
                say(labels[i].text + " on " + labels[j].text);
        for (const Stroke& s : strokes) {
            const bool own = s.own == i;
            if (own && s.leader) continue;
            const QRectF box = own ? labels[i].box.adjusted(1, 1, -1, -1) : labels[i].box;
            if (s.path.intersects(box)) say(s.what + " over " + labels[i].text);
        }
    }
    return problems;
}

} // namespace vora::testing
