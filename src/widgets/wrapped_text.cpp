// SPDX-License-Identifier: MIT
#include "wrapped_text.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOption>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace vora::widgets {

struct WrappedText::Layout {
    int width = -1; // of a line, in pixels
    QTextLayout text;
    qreal height = 0;
};

namespace {

// The text as QPainter::drawText lays it out: a line break ends a line.
QString Prepared(QString text) {
    for (QChar& c : text) {
        if (c == u'\r')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    return text;
}

// Lays the text out in lines `lineWidth` wide the way QPainter::drawText does
// for a label (lines on whole pixels, the font's leading between them) and
// returns the height of the text; with a single line per paragraph if
// `lineWidth` is negative.
qreal LayOut(QTextLayout& layout, qreal lineWidth, qreal leading) {
    layout.setCacheEnabled(true); // painted later from the same layout
    layout.beginLayout();
    qreal height = -leading;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (lineWidth >= 0)
            line.setLineWidth(lineWidth);
        else
            line.setNumColumns(layout.text().size());
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
    }
    layout.endLayout();
    return height;
}

} // namespace

WrappedText::WrappedText(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // What a selectable label has, so that a click gives it the focus.
    setFocusPolicy(Qt::ClickFocus);
}

WrappedText::~WrappedText() = default;

bool WrappedText::selectable() const {
    return textInteractionFlags().testFlag(Qt::TextSelectableByMouse) || text().isEmpty() ||
           indent() > 0 || frameWidth() > 0;
}

QSize WrappedText::extra() const {
    const QMargins m = contentsMargins();
    return {2 * margin() + m.left() + m.right(), 2 * margin() + m.top() + m.bottom()};
}

void WrappedText::forget() {
    layout_.reset();
    minimum_ = QSize();
}

void WrappedText::checkMeasured() const {
    // QLabel's setters of these do not tell a subclass.
    if (text() != measuredText_ || margin() != measuredMargin_) {
        measuredText_ = text();
        measuredMargin_ = margin();
        layout_.reset();
        minimum_ = QSize();
    }
}

const WrappedText::Layout& WrappedText::laidOut(int width) const {
    checkMeasured();
    if (!layout_ || layout_->width != width) {
        layout_ = std::make_unique<Layout>();
        layout_->width = width;
        layout_->text.setText(Prepared(text()));
        layout_->text.setFont(font());
        layout_->height =
            LayOut(layout_->text, std::max(width, 0), QFontMetricsF(font()).leading());
    }
    return *layout_;
}

int WrappedText::heightForWidth(int width) const {
    if (selectable()) return QLabel::heightForWidth(width);
    width = std::max(width, minimumWidth());
    return int(std::ceil(laidOut(width - extra().width()).height)) + extra().height();
}

QSize WrappedText::minimumSizeHint() const {
    if (selectable()) return QLabel::minimumSizeHint();
    checkMeasured();
    if (!minimum_.isValid()) {
        // One layout with a line per paragraph gives the height of the text
        // unwrapped and the widest run that cannot be broken (QLabel lays
        // the text out for each).
        QTextLayout single(Prepared(text()), font());
        const QFontMetricsF metrics(font());
        const qreal height = LayOut(single, -1, metrics.leading());
        qreal widest = 0;
        for (int i = 0; i < single.lineCount(); ++i) {
            const QTextLine line = single.lineAt(i);
            const int end = line.textStart() + line.textLength();
            QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, single.text());
            breaks.setPosition(line.textStart());
            int from = line.textStart();
            while (from < end) {
                int to = std::min(int(breaks.toNextBoundary()), end);
                if (to <= from) to = end;
                int last = to;
                while (last > from && single.text().at(last - 1).isSpace())
                    --last;
                widest = std::max(widest, line.cursorToX(last) - line.cursorToX(from));
                from = to;
            }
        }
        minimum_ = QSize(int(std::ceil(widest)), int(std::ceil(height))) + extra();
    }
    QSize minimum = minimum_;
    minimum.setHeight(std::min(minimum.height(), sizeHint().height()));
    return minimum.expandedTo(minimumSize());
}

QSize WrappedText::sizeHint() const {
    if (selectable()) return QLabel::sizeHint();
    // QLabel's preferred width for wrapped text, about 80 characters.
    const int width = std::min(fontMetrics().averageCharWidth() * 80, maximumWidth());
    return QSize(width, heightForWidth(width)).expandedTo(minimumSize());
}

void WrappedText::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) forget();
    QLabel::changeEvent(event);
}

void WrappedText::focusInEvent(QFocusEvent* event) {
    if (!textInteractionFlags().testFlag(Qt::TextSelectableByMouse)) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        forget();
    }
    QLabel::focusInEvent(event);
}

void WrappedText::paintEvent(QPaintEvent* event) {
    if (selectable()) return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Layout& layout = laidOut(r.width());
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    // Left and centred vertically (QLabel's default alignment), on whole
    // pixels from the top as a label places its text document, never above it.
    const qreal top = std::max(std::floor((r.height() - layout.height) / 2), 0.0);
    const QPointF at(r.x(), r.y() + top);
    // Nothing outside the margins, not even a glyph's overhang.
    painter.setClipRect(r, Qt::IntersectClip);
    for (int i = 0; i < layout.text.lineCount(); ++i)
        layout.text.lineAt(i).draw(&painter, at);
}

} // namespace vora::widgets
