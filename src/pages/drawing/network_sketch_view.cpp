// SPDX-License-Identifier: MIT
#include "network_sketch_view.h"

#include "calc/element/network_model.h"
#include "network_sketch_layout.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>

namespace vora::pages {

QFont SketchFont() {
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(8.0, font.pointSizeF() - 1));
    else
        font.setPointSizeF(8);
    return font;
}

NetworkSketchView::NetworkSketchView(const calc::ElementKind* kind, QWidget* parent)
    : QWidget(parent)
    , kind_(kind) {
    setObjectName("picNetwork");
    setAccessibleName("Sketch of the network");
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
    describe();
    updateGeometry();
    update();
}

void NetworkSketchView::showPicture(const calc::Picture& picture) {
    if (const auto* p = std::get_if<calc::SketchPicture>(&picture)) {
        setSketch(p->sketch, QString::fromStdString(p->highlight));
        setValues(p->values);
    } else if (const auto* v = std::get_if<calc::SketchValuesPicture>(&picture)) {
        setValues(v->values);
    }
}

void NetworkSketchView::setValues(const calc::SketchValues& values) {
    if (values == values_) return;
    values_ = values;
    describe();
    updateGeometry();
    update();
}

void NetworkSketchView::setSource(const QString& name) {
    if (name == source_) return;
    source_ = name;
    updateGeometry();
    update();
}

void NetworkSketchView::setEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

// The network as the working writes it, then every value it shows.
void NetworkSketchView::describe() {
    // A mixed circuit is described as resistors and inductors are.
    const calc::ElementKind& kind = kind_ ? *kind_ : calc::ElementKind::Resistor();
    QString text = QString::fromStdString(calc::DescribeNetwork(sketch_, kind));
    if (!sketch_.empty()) {
        for (const std::string& name : sketch::ElementNames(sketch_))
            if (const auto it = values_.elements.find(name); it != values_.elements.end())
                text += QString::fromStdString("; " + name + " = " + it->second);
        if (!values_.sourceText.empty())
            text += "; source " + QString::fromStdString(values_.sourceText);
    }
    setAccessibleDescription(text);
}

QSize NetworkSketchView::sizeHint() const {
    return QSize(320, 130).expandedTo(minimumSizeHint());
}

// Room for every text at its size: a network with long values asks for more.
QSize NetworkSketchView::minimumSizeHint() const {
    const QSize least(240, 70);
    if (sketch_.empty()) return least;
    const sketch::Source source = sourceDrawn();
    const QSizeF content =
        sketch::Smallest({sketch_, values_, source, highlight_.toStdString()}, SketchFont());
    return least.expandedTo(content.toSize() + QSize(1, 1));
}

sketch::Source NetworkSketchView::sourceDrawn() const {
    if (values_.source != calc::SketchValues::Source::None)
        return {values_.source, QString::fromStdString(values_.sourceText)};
    if (!source_.isEmpty()) return {calc::SketchValues::Source::Alternating, source_};
    return {};
}

std::vector<SketchLabel> NetworkSketchView::labels() const {
    QPicture nowhere;
    QPainter p(&nowhere);
    return paint(p, rect(), SketchFont());
}

void NetworkSketchView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, rect(), SketchFont());
}

void NetworkSketchView::paintOn(QPainter& p, const QRectF& area, const QFont& font) const {
    paint(p, area, font);
}

std::vector<SketchLabel> NetworkSketchView::paint(QPainter& p, const QRectF& area,
                                                  const QFont& font) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    p.setFont(font);
    std::vector<SketchLabel> labels;
    if (sketch_.empty()) {
        p.setPen(QColor(96, 96, 96)); // greyed, yet readable on white
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
        p.restore();
        return labels;
    }
    const sketch::Drawing drawing{sketch_, values_, sourceDrawn(), highlight_.toStdString()};
    labels = sketch::Draw(p, area, font, drawing);
    p.restore();
    return labels;
}

} // namespace vora::pages
