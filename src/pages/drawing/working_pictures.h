// SPDX-License-Identifier: MIT
// The pictures beside the working of the AC and three-phase pages.
#pragma once

class QWidget;

namespace vora::pages {

class NetworkSketchView;
class VectorDiagramView;

// The circuit's sketch above its phasor diagram and power triangle, in one
// widget for the working panel's side; creates the two diagram views.
QWidget* BuildPictures(NetworkSketchView* sketch, VectorDiagramView*& phasors,
                       VectorDiagramView*& power);

// The phase and line voltages of a three-phase page.
VectorDiagramView* MakeVoltageDiagram();

} // namespace vora::pages
