// SPDX-License-Identifier: MIT
#pragma once

#include "vector_diagram_view.h"

class QFontMetricsF;

namespace vora::pages {

// Where everything of `diagram` goes in `area`, with `title` at its top and
// text measured by `fm`: the arrows as large as the labels leave room for,
// each label beside what it names or, where arrows lie on each other,
// further off with a leader line, clear of every other label, arrow and the
// arc. Labels of arrows that end together are stacked. Where the room is
// small the arrows shrink, never the text.
VectorDiagramView::Geometry LayOutDiagram(const calc::VectorDiagram& diagram, const QString& title,
                                          const QRectF& area, const QFontMetricsF& fm);

} // namespace vora::pages
