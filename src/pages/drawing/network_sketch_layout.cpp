// SPDX-License-Identifier: MIT
#include "network_sketch_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vora::pages::sketch {

namespace {

using Kind = calc::Sketch::Kind;
using SourceKind = calc::SketchValues::Source;

// Lengths of the drawing at scale 1, in pixels. Only these scale; the
// texts are measured in their font and keep their size.
constexpr double kElementWidth = 64; // symbol with its leads
constexpr double kSymbolWidth = 36;
constexpr double kSymbolHalf = 10; // the tallest symbol, a capacitor, above and below its wire
constexpr double kSeriesGap = 8;   // wire between parts in series
constexpr double kBranchGap = 6;   // space between parallel branches
constexpr double kRailLead = 12;   // wire from a rail to a branch
constexpr double kTerminal = 16;   // wire from a terminal to the network
constexpr double kSourceRadius = 11;
constexpr double kSourceLead = 8; // wire between the source and a corner
constexpr double kReturn = 12;    // from the network's bottom to the return wire
// Fixed, in pixels at every scale.
constexpr double kMargin = 6;
constexpr double kTextGap = 3;        // between a text and anything drawn
constexpr double kOverWire = 1.5;     // between a text and the wire under it
constexpr double kTerminalRadius = 3; // a bare terminal
constexpr double kSmallestSourceRadius = 7;
constexpr double kLargestScale = 1.5;
constexpr double kSmallestScale = 0.6;
constexpr double kUsualWidth = 360; // what the pages give a sketch at least

struct Box {
    double width, height, centre; // centre: the wire's distance from the top
};

// The scale of the symbols and the metrics of the texts.
struct Style {
    double s;
    QFontMetricsF metrics; // of the bold font, the widest
    const calc::SketchValues& values;
    // Each element's text beside its symbol, over the wire that leaves it,
    // rather than above: lower branches for a short area.
    bool beside = false;

    QString Label(const std::string& name) const {
        const auto it = values.elements.find(name);
        const QString n = QString::fromStdString(name);
        return it == values.elements.end() ? n : n + " = " + QString::fromStdString(it->second);
    }
    double TextWidth(const QString& text) const {
        double width = 0;
        for (const QString& line : text.split('\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    }
    double TextHeight(const QString& text = {}) const {
        return metrics.height() + metrics.lineSpacing() * static_cast<double>(text.count('\n'));
    }
};

Box Measure(const calc::Sketch& n, const Style& st) {
    if (n.kind == Kind::Element) {
        const double text = st.TextWidth(st.Label(n.name));
        if (st.beside) {
            const double centre = std::max(st.TextHeight() + kOverWire, st.s * kSymbolHalf);
            return {st.s * kElementWidth + kTextGap + text, centre + st.s * kSymbolHalf, centre};
        }
        const double centre = st.TextHeight() + kTextGap + st.s * kSymbolHalf;
        return {std::max(st.s * kElementWidth, text + 2), centre + st.s * kSymbolHalf, centre};
    }
    std::vector<Box> parts;
    for (const auto& p : n.parts)
        parts.push_back(Measure(p, st));
    const auto gaps = static_cast<double>(parts.size() - 1);
    if (n.kind == Kind::Series) {
        double width = 0, above = 0, below = 0;
        for (const Box& b : parts) {
            width += b.width;
            above = std::max(above, b.centre);
            below = std::max(below, b.height - b.centre);
        }
        return {width + st.s * kSeriesGap * gaps, above + below, above};
    }
    double width = 0, height = 0;
    for (const Box& b : parts) {
        width = std::max(width, b.width);
        height += b.height;
    }
    height += std::max(st.s * kBranchGap, kTextGap) * gaps;
    const double first = parts.front().centre;
    const double last = height - parts.back().height + parts.back().centre;
    return {width + 2 * st.s * kRailLead, height, (first + last) / 2};
}

// Where everything goes for one scale: the network's box, the source's
// circle (or the bare terminals), and the size of the whole.
struct Plan {
    Style style;
    QString sourceText; // as drawn, perhaps on two lines
    Box box{};
    double sourceX = 0, networkX = 0, right = 0, top = kMargin, wire = 0, bottom = 0, radius = 0;
    double width = 0, height = 0;
};

// The ways to lay the texts out, the roomiest first.
struct Arrangement {
    bool beside, twoLines;
};
constexpr Arrangement kArrangements[] = {
    {false, false}, {false, true}, {true, false}, {true, true}};

Plan MakePlan(const Drawing& d, const QFontMetricsF& metrics, double s, Arrangement how) {
    const bool twoLines = how.twoLines;
    Plan plan{Style{s, metrics, d.values, how.beside}, d.source.text};
    const Style& st = plan.style;
    plan.box = Measure(d.network, st);
    if (d.source.kind == SourceKind::None) {
        plan.sourceX = kMargin + kTerminalRadius;
        plan.networkX = plan.sourceX + s * kTerminal;
        plan.right = plan.networkX + plan.box.width + s * kTerminal;
        plan.wire = plan.top + plan.box.centre;
        plan.width = plan.right + kTerminalRadius + kMargin;
        plan.height = plan.box.height + 2 * kMargin;
        return plan;
    }
    // The source stands on the left, its text beside it, and a wire returns
    // under the network.
    if (twoLines) plan.sourceText.replace(", ", ",\n");
    const double textWidth = st.TextWidth(plan.sourceText);
    const double textHeight = st.TextHeight(plan.sourceText);
    plan.radius = std::max(s * kSourceRadius, kSmallestSourceRadius);
    plan.sourceX = kMargin + textWidth + kTextGap + plan.radius;
    plan.networkX = plan.sourceX + std::max(s * kTerminal, plan.radius + kTextGap);
    plan.right = plan.networkX + plan.box.width + s * kTerminal;
    const double down = std::max(plan.box.height - plan.box.centre + s * kReturn,
                                 2 * (plan.radius + s * kSourceLead));
    // A tall text beside a flat network moves the network down.
    plan.top = std::max(kMargin, kMargin + textHeight / 2 - down / 2 - plan.box.centre);
    plan.wire = plan.top + plan.box.centre;
    plan.bottom = plan.wire + down;
    plan.width = plan.right + kMargin;
    plan.height = std::max(plan.bottom, (plan.wire + plan.bottom) / 2 + textHeight / 2) + kMargin;
    return plan;
}

// The least room at the smallest scale: as low as it can be within a
// sketch's usual width, otherwise as narrow as it can be.
Plan Least(const Drawing& d, const QFontMetricsF& metrics) {
    const bool canSplit = d.source.text.contains(", ");
    std::vector<Plan> plans;
    for (const Arrangement how : kArrangements)
        if (!how.twoLines || canSplit) plans.push_back(MakePlan(d, metrics, kSmallestScale, how));
    return *std::min_element(plans.begin(), plans.end(), [](const Plan& a, const Plan& b) {
        const bool aFits = a.width <= kUsualWidth, bFits = b.width <= kUsualWidth;
        if (aFits != bFits) return aFits;
        return aFits ? a.height < b.height : a.width < b.width;
    });
}

// The largest scale at which the drawing fits, in the first arrangement
// that fits at that scale; the least room when nothing fits.
Plan Fit(const Drawing& d, const QFontMetricsF& metrics, const QSizeF& area) {
    const bool canSplit = d.source.text.contains(", ");
    for (double s = kLargestScale; s >= kSmallestScale - 1e-9; s -= 0.05)
        for (const Arrangement how : kArrangements) {
            if (how.twoLines && !canSplit) continue;
            Plan plan = MakePlan(d, metrics, s, how);
            if (plan.width <= area.width() && plan.height <= area.height()) return plan;
        }
    return Least(d, metrics);
}

class Painter {
public:
    Painter(QPainter& p, const Drawing& d, const Style& style, const QFont& font)
        : p_(p)
        , d_(d)
        , st_(style)
        , font_(font) {}

    void Network(const calc::Sketch& n, double x, double y) {
        const Box box = Measure(n, st_);
        if (n.kind == Kind::Element) return Element(n, x, y + box.centre, box.width);
        std::vector<Box> parts;
        for (const auto& part : n.parts)
            parts.push_back(Measure(part, st_));
        if (n.kind == Kind::Series) {
            const double wire = y + box.centre;
            const double gap = st_.s * kSeriesGap;
            double cx = x;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                Network(n.parts[i], cx, wire - parts[i].centre);
                cx += parts[i].width;
                if (i + 1 < parts.size()) Line(cx, wire, cx + gap, wire);
                cx += gap;
            }
            return;
        }
        const double right = x + box.width;
        const double inner = box.width - 2 * st_.s * kRailLead;
        double top = y;
        double firstWire = 0, lastWire = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const double wire = top + parts[i].centre;
            const double left = x + st_.s * kRailLead + (inner - parts[i].width) / 2;
            Line(x, wire, left, wire);
            Network(n.parts[i], left, top);
            Line(left + parts[i].width, wire, right, wire);
            if (i == 0) firstWire = wire;
            lastWire = wire;
            top += parts[i].height + std::max(st_.s * kBranchGap, kTextGap);
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

    void Terminal(double x, double y) {
        p_.save();
        p_.setBrush(Qt::white);
        p_.drawEllipse(QPointF(x, y), kTerminalRadius, kTerminalRadius);
        p_.restore();
    }

    // The source's circle at `c` with its sign inside, and its text to the left.
    void Source(QPointF c, double r, const QString& text) {
        p_.save();
        p_.setBrush(Qt::white);
        p_.drawEllipse(c, r, r);
        p_.setBrush(Qt::NoBrush);
        QPainterPath path;
        const double a = r * 0.55;
        switch (d_.source.kind) {
        case SourceKind::DirectVoltage: // + at the top, where the current leaves
            path.moveTo(c.x() - a / 2, c.y() - r / 2);
            path.lineTo(c.x() + a / 2, c.y() - r / 2);
            path.moveTo(c.x(), c.y() - r / 2 - a / 2);
            path.lineTo(c.x(), c.y() - r / 2 + a / 2);
            path.moveTo(c.x() - a / 2, c.y() + r / 2);
            path.lineTo(c.x() + a / 2, c.y() + r / 2);
            break;
        case SourceKind::DirectCurrent: // an arrow up, the way the current leaves
            path.moveTo(c.x(), c.y() + r * 0.65);
            path.lineTo(c.x(), c.y() - r * 0.65);
            path.moveTo(c.x() - a / 2, c.y() - r * 0.65 + a / 2);
            path.lineTo(c.x(), c.y() - r * 0.65);
            path.lineTo(c.x() + a / 2, c.y() - r * 0.65 + a / 2);
            break;
        default: // a sine wave
            path.moveTo(c.x() - r * 0.6, c.y());
            path.cubicTo(c.x() - r * 0.3, c.y() - r * 0.8, c.x() - r * 0.3, c.y() - r * 0.8, c.x(),
                         c.y());
            path.cubicTo(c.x() + r * 0.3, c.y() + r * 0.8, c.x() + r * 0.3, c.y() + r * 0.8,
                         c.x() + r * 0.6, c.y());
        }
        p_.drawPath(path);
        p_.restore();
        const QFontMetricsF fm(font_);
        double width = 0;
        for (const QString& line : text.split('\n'))
            width = std::max(width, fm.horizontalAdvance(line));
        const double height = st_.TextHeight(text);
        Text(QRectF(c.x() - r - kTextGap - width, c.y() - height / 2, width, height), text,
             Qt::AlignRight | Qt::AlignVCenter, font_);
    }

    std::vector<SketchLabel> labels;

private:
    void Element(const calc::Sketch& element, double x, double wire, double width) {
        const std::string& name = element.name;
        p_.save();
        const bool marked = name == d_.highlight;
        QFont font = font_;
        if (marked) {
            p_.setPen(QPen(QColor(200, 0, 0), 2.2));
            font.setBold(true);
        }
        const double s = st_.s;
        const double mid = st_.beside ? x + s * kElementWidth / 2 : x + width / 2;
        const double s0 = mid - s * kSymbolWidth / 2;
        const double s1 = mid + s * kSymbolWidth / 2;
        QPainterPath path;
        switch (element.symbol) {
        case calc::ElementSymbol::Resistor: {
            Line(x, wire, s0, wire);
            Line(s1, wire, x + width, wire);
            path.moveTo(s0, wire);
            const int peaks = 6;
            const double step = (s1 - s0) / peaks;
            for (int i = 0; i < peaks; ++i)
                path.lineTo(s0 + step * (i + 0.5), wire + (i % 2 == 0 ? -6 : 6) * s);
            path.lineTo(s1, wire);
            break;
        }
        case calc::ElementSymbol::Capacitor: {
            const double gap = 4 * s;
            Line(x, wire, mid - gap, wire);
            Line(mid + gap, wire, x + width, wire);
            Line(mid - gap, wire - kSymbolHalf * s, mid - gap, wire + kSymbolHalf * s);
            Line(mid + gap, wire - kSymbolHalf * s, mid + gap, wire + kSymbolHalf * s);
            break;
        }
        case calc::ElementSymbol::Inductor: {
            Line(x, wire, s0, wire);
            Line(s1, wire, x + width, wire);
            const int loops = 4;
            const double loop = (s1 - s0) / loops;
            path.moveTo(s0, wire);
            for (int i = 0; i < loops; ++i)
                path.arcTo(QRectF(s0 + loop * i, wire - loop / 2, loop, loop), 180, -180);
            break;
        }
        }
        p_.drawPath(path);
        const QString label = st_.Label(name);
        const double textWidth = QFontMetricsF(font).horizontalAdvance(label);
        const double textHeight = st_.TextHeight();
        const QRectF box =
            st_.beside ? QRectF(x + s * kElementWidth + kTextGap, wire - kOverWire - textHeight,
                                textWidth, textHeight)
                       : QRectF(mid - textWidth / 2, wire - s * kSymbolHalf - kTextGap - textHeight,
                                textWidth, textHeight);
        Text(box, label, Qt::AlignCenter, font);
        p_.restore();
    }

    void Text(const QRectF& box, const QString& text, int flags, const QFont& font) {
        p_.save();
        p_.setFont(font);
        p_.drawText(box, flags, text);
        p_.restore();
        labels.push_back({text, p_.transform().mapRect(box), font});
    }

    QPainter& p_;
    const Drawing& d_;
    const Style& st_;
    QFont font_;
};

void Names(const calc::Sketch& n, std::vector<std::string>& out) {
    if (n.kind == Kind::Element) out.push_back(n.name);
    for (const calc::Sketch& part : n.parts)
        Names(part, out);
}

} // namespace

std::vector<std::string> ElementNames(const calc::Sketch& network) {
    std::vector<std::string> names;
    Names(network, names);
    return names;
}

QSizeF Smallest(const Drawing& d, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    const Plan plan = Least(d, QFontMetricsF(bold));
    return {plan.width, plan.height};
}

std::vector<SketchLabel> Draw(QPainter& p, const QRectF& area, const QFont& font,
                              const Drawing& d) {
    QFont bold = font;
    bold.setBold(true);
    const Plan plan = Fit(d, QFontMetricsF(bold), area.size());
    p.save();
    // Centred, but never pushed off the area's top left where it fits.
    p.translate(area.left() + std::max(0.0, (area.width() - plan.width) / 2),
                area.top() + std::max(0.0, (area.height() - plan.height) / 2));
    p.setPen(QPen(QColor(40, 40, 40), 1.4));
    p.setFont(font);
    Painter painter(p, d, plan.style, font);
    painter.Network(d.network, plan.networkX, plan.top);
    painter.Line(plan.sourceX, plan.wire, plan.networkX, plan.wire);
    painter.Line(plan.networkX + plan.box.width, plan.wire, plan.right, plan.wire);
    if (d.source.kind == SourceKind::None) {
        painter.Terminal(plan.sourceX, plan.wire);
        painter.Terminal(plan.right, plan.wire);
    } else {
        const double centre = (plan.wire + plan.bottom) / 2;
        painter.Line(plan.right, plan.wire, plan.right, plan.bottom);
        painter.Line(plan.right, plan.bottom, plan.sourceX, plan.bottom);
        painter.Line(plan.sourceX, plan.wire, plan.sourceX, plan.bottom);
        painter.Source(QPointF(plan.sourceX, centre), plan.radius, plan.sourceText);
    }
    p.restore();
    return painter.labels;
}

} // namespace vora::pages::sketch
