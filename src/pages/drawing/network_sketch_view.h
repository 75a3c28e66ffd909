// SPDX-License-Identifier: MIT
#pragma once

#include "calc/sketch.h"
#include "picture_view.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace vora::calc {
struct ElementKind;
}

namespace vora::pages {

namespace sketch {
struct Source;
}

// The font of the texts in sketches: the application's font one point
// smaller, never under 8 pt.
QFont SketchFont();

// A text of a sketch where it is drawn, in the coordinates of the device drawn on.
struct SketchLabel {
    QString text; // lines separated by '\n'
    QRectF rect;
    QFont font;
};

// Draws the network of the last result: elements in series side by side,
// parallel branches one above the other between two rails, each element with
// its schematic symbol, its name and its value, fed by the source on the
// left. The element whose results are shown is drawn in red. The texts keep
// their size whatever the size of the drawing: a smaller area makes the
// symbols smaller, never the texts.
class NetworkSketchView : public QWidget, public PictureView {
    Q_OBJECT
public:
    // A circuit that mixes the three kinds of element has no kind of its own.
    static constexpr const calc::ElementKind* kMixed = nullptr;

    // `kind` is that of every element, or kMixed; each element is drawn
    // with the symbol the sketch gives it.
    explicit NetworkSketchView(const calc::ElementKind* kind, QWidget* parent = nullptr);

    void setSketch(const calc::Sketch& sketch, const QString& highlight = {});
    // The element values and the source that the last result read.
    void setValues(const calc::SketchValues& values);
    // A SketchPicture (the network and its values) or a SketchValuesPicture.
    void showPicture(const calc::Picture& picture) override;
    // An AC source named `name` ("V" or "I") drawn when the values name no
    // source; an empty name draws the bare terminals.
    void setSource(const QString& name);
    // What is drawn when there is no network.
    void setEmptyText(const QString& text);
    // A sketch of the choices being made rather than of a result stays off
    // the printed sheet, which has the result's own.
    void setOnSheet(bool onSheet) { onSheet_ = onSheet; }
    bool onSheet() const override { return onSheet_ && !sketch_.empty(); }
    bool leadsSheet() const override { return true; }
    qreal sheetAspect() const override { return 0.3; }
    // Texts of 11 px on the sheet, over 8 pt at 96 px an inch.
    void paintOnSheet(QPainter& painter, const QRectF& area, const QFont& font) const override {
        paintOn(painter, area, SheetFont(font, 11));
    }
    const calc::Sketch& sketch() const { return sketch_; }
    const QString& highlight() const { return highlight_; }
    const calc::SketchValues& values() const { return values_; }
    // The texts as the widget draws them now.
    std::vector<SketchLabel> labels() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Draws the sketch into `area` of any device (the PDF of the working),
    // its texts in `font`.
    void paintOn(QPainter& painter, const QRectF& area, const QFont& font) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SketchLabel> paint(QPainter& painter, const QRectF& area, const QFont& font) const;
    void describe();
    sketch::Source sourceDrawn() const;

    const calc::ElementKind* kind_;
    calc::Sketch sketch_;
    QString highlight_;
    bool onSheet_ = true;
    calc::SketchValues values_;
    QString source_;
    QString emptyText_ = "No network computed";
};

} // namespace vora::pages
