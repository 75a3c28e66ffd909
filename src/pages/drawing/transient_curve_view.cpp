// SPDX-License-Identifier: MIT
#include "transient_curve_view.h"

#include "calc/engineering.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vora::pages {

namespace {

using calc::transient::Circuit;
using calc::transient::State;

// Dark enough on white for text in the same colour as the line.
const QColor kVoltage(0, 84, 180);
const QColor kCurrent(180, 30, 30);
const QColor kGrey(96, 96, 96);
const QColor kGrid(226, 226, 226);

struct Scale {
    double low = 0, high = 1, step = 1;
};

// From `low` to `high` (0 included) in steps of 1, 2 or 5 times a power of
// ten, about four of them: round numbers on the scale.
Scale NiceScale(double low, double high) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (!(high > low)) high = low + 1; // a source of 0 V: nothing moves
    const double raw = (high - low) / 4;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
    const Scale nice{std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step,
                     step};
    if (!std::isfinite(nice.low) || !std::isfinite(nice.high) || !(nice.high > nice.low))
        return {low, high, high - low};
    return nice;
}

std::vector<double> Ticks(const Scale& s) {
    std::vector<double> ticks;
    const int n = static_cast<int>(std::lround((s.high - s.low) / s.step));
    for (int k = 0; k <= n && k <= 20; ++k)
        ticks.push_back(k == n ? s.high : s.low + k * s.step);
    return ticks;
}

QString Engineering(double value, const char* unit, int digits = 3) {
    return QString::fromStdString(calc::FormatEngineering(value, unit, digits));
}

QString StorageName(const calc::transient::Inputs& model) {
    return model.circuit == Circuit::RC ? "vC" : "vL";
}

// A label on white over the lines beneath it.
void Label(QPainter& p, const QRectF& box, const QString& text, const QColor& colour) {
    p.fillRect(box.adjusted(-2, 0, 2, 0), Qt::white);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

TransientCurveView::TransientCurveView(const QString& title, const QString& placeholder,
                                       QWidget* parent)
    : TitledPicture(title, placeholder, parent) {}

QSize TransientCurveView::sizeHint() const {
    return {360, 240};
}

QSize TransientCurveView::minimumSizeHint() const {
    return {220, 150};
}

void TransientCurveView::showPicture(const calc::Picture& picture) {
    if (const auto* curve = std::get_if<calc::CurvePicture>(&picture))
        setCurve(curve->model, curve->points, curve->at);
}

void TransientCurveView::setCurve(const calc::transient::Inputs& model, std::vector<State> points,
                                  const State& at) {
    model_ = model;
    points_ = std::move(points);
    at_ = at;
    if (points_.empty()) return update();
    const QString v = StorageName(model_);
    setAccessibleDescription(v + " from " + Engineering(points_.front().storageVoltage, "V", 4) +
                             " to " + Engineering(points_.back().storageVoltage, "V", 4) +
                             ", i from " + Engineering(points_.front().current, "A", 4) + " to " +
                             Engineering(points_.back().current, "A", 4) +
                             " over 5τ; at t = " + Engineering(at_.t, "s", 4) + ": " + v + " = " +
                             Engineering(at_.storageVoltage, "V", 4) +
                             ", i = " + Engineering(at_.current, "A", 4));
    update();
}

void TransientCurveView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont small = font();
    small.setPointSizeF(std::max<qreal>(8, small.pointSizeF() > 0 ? small.pointSizeF() - 1 : 8));
    p.setFont(small);
    draw(p, rect());
}

void TransientCurveView::paintOn(QPainter& painter, const QRectF& area, const QFont& font) const {
    painter.save();
    painter.setClipRect(area);
    painter.setFont(font);
    draw(painter, area);
    painter.restore();
}

void TransientCurveView::draw(QPainter& p, const QRectF& area) const {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QFontMetricsF fm(p.font(), p.device());
    const qreal line = fm.height();
    p.setPen(kGrey);
    p.drawText(QRectF(area.left() + 4, area.top() + 2, area.width() - 8, line),
               Qt::AlignLeft | Qt::AlignVCenter, title_);
    if (points_.empty()) {
        p.drawText(area.adjusted(8, line, -8, 0), Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
        return;
    }

    double vLow = 0, vHigh = 0, iLow = 0, iHigh = 0;
    for (const State& s : points_) {
        vLow = std::min(vLow, s.storageVoltage), vHigh = std::max(vHigh, s.storageVoltage);
        iLow = std::min(iLow, s.current), iHigh = std::max(iHigh, s.current);
    }
    const Scale v = NiceScale(vLow, vHigh);
    const Scale i = NiceScale(iLow, iHigh);
    qreal leftWidth = 0, rightWidth = 0;
    for (const double tick : Ticks(v))
        leftWidth = std::max(leftWidth, fm.horizontalAdvance(Engineering(tick, "V")));
    for (const double tick : Ticks(i))
        rightWidth = std::max(rightWidth, fm.horizontalAdvance(Engineering(tick, "A")));
    const QRectF plot(QPointF(area.left() + leftWidth + 12, area.top() + 2 * line + 10),
                      QPointF(area.right() - rightWidth - 12, area.bottom() - 2 * line - 8));

    // The legend under the title: which line is which, and on which scale.
    const QString legend[2] = {StorageName(model_) + " (left scale)", "i (right scale)"};
    const QColor colours[2] = {kVoltage, kCurrent};
    qreal x = area.left() + 4;
    for (int k = 0; k < 2; ++k) {
        const qreal y = area.top() + 2 + line * 1.5;
        p.setPen(QPen(colours[k], 2));
        p.drawLine(QPointF(x, y), QPointF(x + 18, y));
        p.drawText(QRectF(x + 22, y - line / 2, fm.horizontalAdvance(legend[k]) + 2, line),
                   Qt::AlignLeft | Qt::AlignVCenter, legend[k]);
        x += 22 + fm.horizontalAdvance(legend[k]) + 16;
    }
    if (plot.width() < 40 || plot.height() < 30) return;

    // Both scales, the voltage's with its grid lines.
    const auto yOf = [&plot](const Scale& s, double value) {
        return plot.bottom() - (value - s.low) / (s.high - s.low) * plot.height();
    };
    for (const double tick : Ticks(v)) {
        const qreal y = yOf(v, tick);
        p.setPen(QPen(tick == 0 ? QColor(180, 180, 180) : kGrid, 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kVoltage);
        p.drawText(QRectF(area.left(), y - line / 2, leftWidth + 8, line),
                   Qt::AlignRight | Qt::AlignVCenter, Engineering(tick, "V"));
    }
    for (const double tick : Ticks(i)) {
        const qreal y = yOf(i, tick);
        p.setPen(QPen(kCurrent, 1));
        p.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
        p.drawText(QRectF(plot.right() + 6, y - line / 2, rightWidth + 4, line),
                   Qt::AlignLeft | Qt::AlignVCenter, Engineering(tick, "A"));
    }

    // The time axis in τ, with τ itself marked and its value under it.
    const double end = points_.back().t;
    const double tau = end / 5;
    for (int k = 0; k <= 5; ++k) {
        const qreal xk = plot.left() + plot.width() * k / 5;
        p.setPen(QPen(k == 1 ? kGrey : kGrid, 1, k == 1 ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(xk, plot.top()), QPointF(xk, plot.bottom() + 4));
        const QString text = k == 0 ? "0" : k == 1 ? "τ" : QString::number(k) + "τ";
        p.setPen(kGrey);
        p.drawText(QRectF(xk - 20, plot.bottom() + 4, 40, line), Qt::AlignCenter, text);
    }
    const QString tauText = "τ = " + Engineering(tau, "s", 4);
    const qreal tauX = plot.left() + plot.width() / 5;
    p.drawText(QRectF(tauX - fm.horizontalAdvance(tauText) / 2 - 2, plot.bottom() + 4 + line,
                      fm.horizontalAdvance(tauText) + 4, line),
               Qt::AlignCenter, tauText);
    p.drawText(QRectF(plot.right() - 40, plot.bottom() + 4 + line, 40, line),
               Qt::AlignRight | Qt::AlignVCenter, "t");
    p.setPen(QPen(kGrey, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    drawCurves(p, plot, v.low, v.high, i.low, i.high);
}

void TransientCurveView::drawCurves(QPainter& p, const QRectF& plot, double vLow, double vHigh,
                                    double iLow, double iHigh) const {
    const double end = points_.back().t;
    const auto xOf = [&](double t) { return plot.left() + std::min(t / end, 1.0) * plot.width(); };
    const auto vOf = [&](double value) {
        return plot.bottom() - (value - vLow) / (vHigh - vLow) * plot.height();
    };
    const auto iOf = [&](double value) {
        return plot.bottom() - (value - iLow) / (iHigh - iLow) * plot.height();
    };
    QPainterPath voltage, current;
    for (const State& s : points_) {
        const QPointF pv(xOf(s.t), vOf(s.storageVoltage)), pi(xOf(s.t), iOf(s.current));
        if (voltage.elementCount() == 0) {
            voltage.moveTo(pv);
            current.moveTo(pi);
        } else {
            voltage.lineTo(pv);
            current.lineTo(pi);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kVoltage, 2));
    p.drawPath(voltage);
    p.setPen(QPen(kCurrent, 2));
    p.drawPath(current);

    // The time asked for; beyond 5τ it stands at the end with the final values.
    const QFontMetricsF fm(p.font(), p.device());
    const qreal line = fm.height();
    const qreal x = xOf(at_.t);
    p.setPen(QPen(kGrey, 1, Qt::DotLine));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const QString when = "t = " + Engineering(at_.t, "s", 4) + (at_.t > end ? " > 5τ" : "");
    const bool toLeft = x > plot.center().x();
    const auto boxBeside = [&](const QString& text, qreal y, bool left) {
        const qreal w = fm.horizontalAdvance(text) + 4;
        QRectF box(left ? x - 6 - w : x + 6, y - line / 2, w, line);
        box.moveLeft(std::clamp(box.left(), plot.left() + 2, plot.right() - 2 - w));
        box.moveTop(std::clamp(box.top(), plot.top() + 1, plot.bottom() - 1 - line));
        return box;
    };

    const QPointF dotV(x, vOf(at_.storageVoltage)), dotI(x, iOf(at_.current));
    const QString textV = StorageName(model_) + " = " + Engineering(at_.storageVoltage, "V", 4);
    const QString textI = "i = " + Engineering(at_.current, "A", 4);
    QRectF boxV = boxBeside(textV, dotV.y() - line / 2 - 2, toLeft);
    QRectF boxI = boxBeside(textI, dotI.y() - line / 2 - 2, toLeft);
    // Two labels at one height: the current's goes under its dot.
    if (boxI.intersects(boxV)) boxI = boxBeside(textI, dotI.y() + line / 2 + 2, toLeft);
    if (boxI.intersects(boxV))
        boxI.moveTop(boxV.top() < plot.center().y() ? boxV.bottom() + 2 : boxV.top() - line - 2);
    // The time at the top of its line, or at the foot where a value stands at the top.
    // The time at the top or the foot of its line, on either side, clear of the values.
    for (const qreal y : {plot.top() + 2 + line / 2, plot.bottom() - 2 - line / 2}) {
        bool placed = false;
        for (const bool side : {toLeft, !toLeft}) {
            const QRectF boxT = boxBeside(when, y, side);
            if (boxT.intersects(boxV) || boxT.intersects(boxI)) continue;
            Label(p, boxT, when, kGrey);
            placed = true;
            break;
        }
        if (placed) break;
    }
    for (const auto& [dot, colour] : {std::pair{dotV, kVoltage}, std::pair{dotI, kCurrent}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(dot, 3.5, 3.5);
    }
    p.setBrush(Qt::NoBrush);
    Label(p, boxV, textV, kVoltage);
    Label(p, boxI, textI, kCurrent);
}

} // namespace vora::pages
