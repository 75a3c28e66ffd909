// SPDX-License-Identifier: MIT
// How a network sketch is laid out and drawn: the symbols and wires at a
// scale that fits the area, the texts at their own size, measured, so that
// no text overlaps another or a wire.
#pragma once

#include "network_sketch_view.h"

#include <string>
#include <vector>

namespace vora::pages::sketch {

struct Source {
    calc::SketchValues::Source kind = calc::SketchValues::Source::None;
    QString text; // "V = 12 V"
};

struct Drawing {
    const calc::Sketch& network;
    const calc::SketchValues& values;
    Source source;
    std::string highlight; // the element drawn in red
};

// The elements left to right, as the sketch lists them.
std::vector<std::string> ElementNames(const calc::Sketch& network);

// The least room the drawing needs with its texts in `font`.
QSizeF Smallest(const Drawing& drawing, const QFont& font);

// Draws into `area` with the texts in `font`; returns the texts where they went.
std::vector<SketchLabel> Draw(QPainter& painter, const QRectF& area, const QFont& font,
                              const Drawing& drawing);

} // namespace vora::pages::sketch
