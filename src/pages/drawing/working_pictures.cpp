// SPDX-License-Identifier: MIT
#include "working_pictures.h"

#include "pages/drawing/network_sketch_view.h"
#include "vector_diagram_view.h"

#include <QGridLayout>

namespace vora::pages {

QWidget* BuildPictures(NetworkSketchView* sketch, VectorDiagramView*& phasors,
                       VectorDiagramView*& power) {
    auto* pictures = new QWidget;
    pictures->setObjectName("Pictures");
    auto* grid = new QGridLayout(pictures);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    phasors = new VectorDiagramView("Phasors",
                                    "The phasors appear here with the results that "
                                    "use the source",
                                    pictures);
    phasors->setObjectName("picPhasors");
    power = new VectorDiagramView("Power triangle",
                                  "The power triangle appears here with the results that use "
                                  "the source",
                                  pictures);
    power->setObjectName("picPower");
    sketch->setParent(pictures);
    grid->addWidget(sketch, 0, 0, 1, 2);
    grid->addWidget(phasors, 1, 0);
    grid->addWidget(power, 1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 3);
    return pictures;
}

VectorDiagramView* MakeVoltageDiagram() {
    auto* view = new VectorDiagramView("Phase and line voltages",
                                       "The phase and line voltages appear here when the "
                                       "voltage is computed");
    view->setObjectName("picVoltages");
    return view;
}

} // namespace vora::pages
