// SPDX-License-Identifier: MIT
#include "network_sketch_view.h"

#include "calc/element/network_model.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vora::pages {

namespace {

constexpr double kElementWidth = 64; // symbol with its leads
constexpr double kElementHeight = 40;
constexpr double kElementCentre = 26; // the wire, below the element's name
constexpr double kSymbolWidth = 36;
constexpr double kSeriesGap = 8; // wire between parts in series
constexpr double kBranchGap = 6; // space between parallel branches
constexpr double kRailLead = 12; // wire from a rail to a branch
constexpr double kTerminal = 16; // wire from a source terminal
constexpr double kMargin = 6;
constexpr double kSourceDrop = 26; // from the network's bottom to the source's wire
constexpr double kSourceRadius = 11;
constexpr double kSourceBand = kSourceDrop + kSourceRadius + 4;

struct Box {
    double width, height, centre; // centre: the wire's distance from the top
};

Box Measure(const calc::Sketch& s) {
    using K = calc::Sketch::Kind;
    if (s.kind == K::Element) return {kElementWidth, kElementHeight, kElementCentre};
    std::vector<Box> parts;
    for (const auto& p : s.parts)
        parts.push_back(Measure(p));
    if (s.kind == K::Series) {
        double width = 0, above = 0, below = 0;
        for (const Box& b : parts) {
            width += b.width;
            above = std::max(above, b.centre);
            below = std::max(below, b.height - b.centre);
        }
        width += kSeriesGap * static_cast<double>(parts.size() - 1);
        return {width, above + below, above};
    }
    double width = 0, height = 0;
    for (const Box& b : parts) {
        width = std::max(width, b.width);
        height += b.height;
    }
    height += kBranchGap * static_cast<double>(parts.size() - 1);
    const double first = parts.front().centre;
    const double last = height - parts.back().height + parts.back().centre;
    return {width + 2 * kRailLead, height, (first + last) / 2};
}

class Painter {
public:
    Painter(QPainter& p, NetworkSketchView::Symbol symbol, std::string highlight)
        : p_(p)
        , symbol_(symbol)
        , highlight_(std::move(highlight)) {}

    void Draw(const calc::Sketch& s, double x, double y) {
        using K = calc::Sketch::Kind;
        const Box box = Measure(s);
        if (s.kind == K::Element) return DrawElement(s.name, x, y + box.centre);
        std::vector<Box> parts;
        for (const auto& part : s.parts)
            parts.push_back(Measure(part));
        if (s.kind == K::Series) {
            const double wire = y + box.centre;
            double cx = x;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                Draw(s.parts[i], cx, wire - parts[i].centre);
                cx += parts[i].width;
                if (i + 1 < parts.size()) Line(cx, wire, cx + kSeriesGap, wire);
                cx += kSeriesGap;
            }
            return;
        }
        const double right = x + box.width;
        const double inner = box.width - 2 * kRailLead;
        double top = y;
        double firstWire = 0, lastWire = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const double wire = top + parts[i].centre;
            const double left = x + kRailLead + (inner - parts[i].width) / 2;
            Line(x, wire, left, wire);
            Draw(s.parts[i], left, top);
            Line(left + parts[i].width, wire, right, wire);
            if (i == 0) firstWire = wire;
            lastWire = wire;
            top += parts[i].height + kBranchGap;
        }
        Line(x, firstWire, x, lastWire);
        Line(right, firstWire, right, lastWire);
        Dot(x, y + box.centre);
        Dot(right, y + box.centre);
    }

    void Line(double x1, double y1, double x2, double y2) {
        p_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void Dot(double x, double y) {
        p_.save();
        p_.setBrush(p_.pen().color());
        p_.drawEllipse(QPointF(x, y), 2.2, 2.2);
        p_.restore();
    }

private:
    void DrawElement(const std::string& name, double x, double wire) {
        p_.save();
        if (name == highlight_) {
            p_.setPen(QPen(QColor(200, 0, 0), 2.2));
            QFont bold = p_.font();
            bold.setBold(true);
            p_.setFont(bold);
        }
        const double s0 = x + (kElementWidth - kSymbolWidth) / 2;
        const double s1 = s0 + kSymbolWidth;
        QPainterPath path;
        switch (SymbolOf(name)) {
        case NetworkSketchView::Symbol::ByName:
        case NetworkSketchView::Symbol::Resistor: {
            Line(x, wire, s0, wire);
            Line(s1, wire, x + kElementWidth, wire);
            path.moveTo(s0, wire);
            const int peaks = 6;
            const double step = kSymbolWidth / peaks;
            for (int i = 0; i < peaks; ++i)
                path.lineTo(s0 + step * (i + 0.5), wire + (i % 2 == 0 ? -6 : 6));
            path.lineTo(s1, wire);
            break;
        }
        case NetworkSketchView::Symbol::Capacitor: {
            const double mid = x + kElementWidth / 2;
            Line(x, wire, mid - 4, wire);
            Line(mid + 4, wire, x + kElementWidth, wire);
            Line(mid - 4, wire - 10, mid - 4, wire + 10);
            Line(mid + 4, wire - 10, mid + 4, wire + 10);
            break;
        }
        case NetworkSketchView::Symbol::Inductor: {
            Line(x, wire, s0, wire);
            Line(s1, wire, x + kElementWidth, wire);
            const int loops = 4;
            const double d = kSymbolWidth / loops;
            path.moveTo(s0, wire);
            for (int i = 0; i < loops; ++i)
                path.arcTo(QRectF(s0 + d * i, wire - d / 2, d, d), 180, -180);
            break;
        }
        }
        p_.drawPath(path);
        const QRectF label(x, wire - kElementCentre, kElementWidth, 16);
        p_.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(name));
        p_.restore();
    }

    NetworkSketchView::Symbol SymbolOf(const std::string& name) const {
        using S = NetworkSketchView::Symbol;
        if (symbol_ != S::ByName) return symbol_;
        return name.starts_with('L')   ? S::Inductor
               : name.starts_with('C') ? S::Capacitor
                                       : S::Resistor;
    }

    QPainter& p_;
    NetworkSketchView::Symbol symbol_;
    std::string highlight_;
};

} // namespace

NetworkSketchView::NetworkSketchView(Symbol symbol, QWidget* parent)
    : QWidget(parent)
    , symbol_(symbol) {
    setObjectName("picNetwork");
    setAccessibleName("Sketch of the network");
    setMinimumSize(240, 110);
    // It paints every pixel, so nothing behind it needs repainting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void NetworkSketchView::setSketch(const calc::Sketch& sketch, const QString& highlight) {
    // Most double-clicks show the same network again; repainting it would
    // cost more than the computation.
    if (sketch == sketch_ && highlight == highlight_) return;
    sketch_ = sketch;
    highlight_ = highlight;
    const auto& kind = symbol_ == Symbol::Capacitor ? calc::ElementKind::Capacitor()
                                                    : calc::ElementKind::Resistor();
    setAccessibleDescription(QString::fromStdString(calc::DescribeNetwork(sketch, kind)));
    update();
}

void NetworkSketchView::setSource(const QString& name) {
    if (name == source_) return;
    source_ = name;
    update();
}

void NetworkSketchView::setEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

QSize NetworkSketchView::sizeHint() const {
    return {320, 130};
}

void NetworkSketchView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont font = p.font();
    font.setPointSizeF(8);
    paintOn(p, rect(), font);
}

void NetworkSketchView::paintOn(QPainter& p, const QRectF& area, const QFont& font) const {
    p.save();
    p.translate(area.topLeft());
    const QRectF rect(QPointF(0, 0), area.size());
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect, Qt::white);
    p.setPen(QPen(QColor(40, 40, 40), 1.4));
    if (sketch_.empty()) {
        p.setPen(QColor(96, 96, 96)); // greyed, yet readable on white
        p.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
        p.restore();
        return;
    }
    const Box box = Measure(sketch_);
    const double width = box.width + 2 * kTerminal + 2 * kMargin;
    const double height = box.height + 2 * kMargin + (source_.isEmpty() ? 0 : kSourceBand);
    const double scale = std::min({1.5, rect.width() / width, rect.height() / height});
    p.translate((rect.width() - width * scale) / 2, (rect.height() - height * scale) / 2);
    p.scale(scale, scale);
    p.setFont(font);

    Painter painter(p, symbol_, highlight_.toStdString());
    const double x = kMargin + kTerminal;
    const double wire = kMargin + box.centre;
    painter.Draw(sketch_, x, kMargin);
    painter.Line(kMargin, wire, x, wire);
    painter.Line(x + box.width, wire, x + box.width + kTerminal, wire);
    p.setBrush(Qt::white);
    const double right = x + box.width + kTerminal;
    if (source_.isEmpty()) {
        p.drawEllipse(QPointF(kMargin, wire), 3, 3);
        p.drawEllipse(QPointF(right, wire), 3, 3);
    } else {
        // The source closes the loop under the network: a circle with a sine wave.
        const double bottom = kMargin + box.height + kSourceDrop;
        const double centre = (kMargin + right) / 2;
        painter.Line(kMargin, wire, kMargin, bottom);
        painter.Line(right, wire, right, bottom);
        painter.Line(kMargin, bottom, centre - kSourceRadius, bottom);
        painter.Line(centre + kSourceRadius, bottom, right, bottom);
        p.drawEllipse(QPointF(centre, bottom), kSourceRadius, kSourceRadius);
        QPainterPath sine;
        const double half = kSourceRadius * 0.6;
        sine.moveTo(centre - half, bottom);
        sine.cubicTo(centre - half / 2, bottom - 9, centre - half / 2, bottom - 9, centre, bottom);
        sine.cubicTo(centre + half / 2, bottom + 9, centre + half / 2, bottom + 9, centre + half,
                     bottom);
        p.setBrush(Qt::NoBrush);
        p.drawPath(sine);
        p.drawText(QPointF(centre + kSourceRadius + 4, bottom - kSourceRadius + 2), source_);
    }
    p.restore();
}

} // namespace vora::pages
