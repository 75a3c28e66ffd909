// SPDX-License-Identifier: MIT
#pragma once

#include "calc/transient/transient.h"
#include "picture_view.h"

#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace vora::pages {

// The voltage across the capacitor or the inductor and the current, from
// the switching to 5τ, on one time axis marked in τ: the voltage on the left
// scale, the current on the right one, and both values at the time asked
// for marked on their curves. The points are the model's, drawn as given.
class TransientCurveView : public TitledPicture {
    Q_OBJECT
public:
    TransientCurveView(const QString& title, const QString& placeholder, QWidget* parent = nullptr);

    // `points` run from 0 to 5τ; `at` is the state at the time asked for,
    // which may lie beyond them.
    void setCurve(const calc::transient::Inputs& model, std::vector<calc::transient::State> points,
                  const calc::transient::State& at);
    void showPicture(const calc::Picture& picture) override;
    bool empty() const { return points_.empty(); }
    bool onSheet() const override { return !empty(); }
    qreal sheetAspect() const override { return 0.5; }
    void paintOnSheet(QPainter& painter, const QRectF& area, const QFont& font) const override {
        paintOn(painter, area, SheetFont(font, 11));
    }
    const std::vector<calc::transient::State>& points() const { return points_; }

    // Draws the curve into `area` of another device (the sheet of the working).
    void paintOn(QPainter& painter, const QRectF& area, const QFont& font) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw(QPainter& p, const QRectF& area) const;
    void drawCurves(QPainter& p, const QRectF& plot, double vLow, double vHigh, double iLow,
                    double iHigh) const;

    calc::transient::Inputs model_;
    std::vector<calc::transient::State> points_;
    calc::transient::State at_;
};

} // namespace vora::pages
