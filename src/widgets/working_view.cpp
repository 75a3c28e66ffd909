// SPDX-License-Identifier: MIT
#include "working_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>

namespace vora::widgets {

namespace {

constexpr int kMargin = 4;

bool Blank(QChar c) {
    return c.isSpace();
}

} // namespace

WorkingView::WorkingView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
}

WorkingView::~WorkingView() = default;

int WorkingView::lineHeight() const {
    return fontMetrics().lineSpacing();
}

QSize WorkingView::sizeHint() const {
    return {300, lineHeight() * 6 + 2 * kMargin + 2 * frameWidth()};
}

QSize WorkingView::minimumSizeHint() const {
    return {120, lineHeight() * 4 + 2 * kMargin + 2 * frameWidth()};
}

void WorkingView::setText(const QString& text, bool showEnd) {
    // Lines that the last working had as well keep their layout.
    QHash<QString, std::shared_ptr<QTextLayout>> laidOut;
    for (const Line& line : lines_)
        if (line.layout) laidOut.insert(line.text, line.layout);
    text_ = text;
    lines_.clear();
    if (!text.isEmpty()) {
        int start = 0;
        for (const QString& part : text.split('\n')) {
            lines_.push_back({start, part, laidOut.value(part), 0});
            start += static_cast<int>(part.size()) + 1;
        }
    }
    anchor_ = cursor_ = 0;
    setAccessibleDescription(text);
    layOut();
    if (showEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    else
        verticalScrollBar()->setValue(0);
    viewport()->update();
}

void WorkingView::layOut() {
    const int width = viewport()->width();
    if (width != width_) {
        for (Line& line : lines_)
            line.layout.reset();
        width_ = width;
    }
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal lineWidth = std::max(width - 2 * kMargin, 20);
    qreal top = 0;
    for (Line& line : lines_) {
        if (!line.layout) {
            line.layout = std::make_shared<QTextLayout>(line.text, font(), viewport());
            line.layout->setTextOption(option);
            line.layout->setCacheEnabled(true);
            line.layout->beginLayout();
            qreal y = 0;
            for (QTextLine row = line.layout->createLine(); row.isValid();
                 row = line.layout->createLine()) {
                row.setLineWidth(lineWidth);
                row.setPosition(QPointF(0, y));
                y += row.height();
            }
            line.layout->endLayout();
        }
        line.top = top;
        top += std::max<qreal>(line.layout->boundingRect().height(), lineHeight());
    }
    height_ = top;
    QScrollBar* bar = verticalScrollBar();
    const int page = viewport()->height();
    bar->setRange(0, std::max(0, static_cast<int>(height_) + 2 * kMargin - page));
    bar->setPageStep(page);
    bar->setSingleStep(lineHeight());
}

void WorkingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void WorkingView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(event->rect(), pal.color(QPalette::Base));
    if (text_.isEmpty()) {
        p.setPen(pal.color(QPalette::PlaceholderText));
        p.drawText(viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, placeholder_);
        return;
    }
    p.setPen(pal.color(QPalette::Text));
    const int from = std::min(anchor_, cursor_), to = std::max(anchor_, cursor_);
    const qreal scroll = verticalScrollBar()->value();
    const QRect visible = event->rect();
    for (const Line& line : lines_) {
        const QPointF at(kMargin, kMargin + line.top - scroll);
        const QRectF box = line.layout->boundingRect().translated(at);
        if (box.bottom() < visible.top()) continue;
        if (box.top() > visible.bottom()) break;
        QList<QTextLayout::FormatRange> selection;
        const int end = line.start + static_cast<int>(line.text.size());
        if (from < to && from < end && to > line.start) {
            QTextLayout::FormatRange range;
            range.start = std::max(from, line.start) - line.start;
            range.length = std::min(to, end) - line.start - range.start;
            range.format.setBackground(pal.color(QPalette::Highlight));
            range.format.setForeground(pal.color(QPalette::HighlightedText));
            selection << range;
        }
        line.layout->draw(&p, at, selection);
    }
}

int WorkingView::positionAt(const QPoint& point) {
    if (lines_.empty()) return 0;
    const qreal y = point.y() + verticalScrollBar()->value() - kMargin;
    const qreal x = point.x() - kMargin;
    if (y < 0) return 0;
    for (const Line& line : lines_) {
        const QTextLayout& layout = *line.layout;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            if (y < line.top + row.y() + row.height()) return line.start + row.xToCursor(x);
        }
    }
    return static_cast<int>(text_.size());
}

void WorkingView::select(int anchor, int cursor) {
    anchor_ = std::clamp(anchor, 0, static_cast<int>(text_.size()));
    cursor_ = std::clamp(cursor, 0, static_cast<int>(text_.size()));
    viewport()->update();
}

QString WorkingView::selectedText() const {
    const int from = std::min(anchor_, cursor_), to = std::max(anchor_, cursor_);
    return text_.mid(from, to - from);
}

void WorkingView::copy() const {
    if (anchor_ != cursor_) QGuiApplication::clipboard()->setText(selectedText());
}

void WorkingView::selectAll() {
    select(0, static_cast<int>(text_.size()));
}

void WorkingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    const int at = positionAt(event->position().toPoint());
    select(event->modifiers() & Qt::ShiftModifier ? anchor_ : at, at);
}

void WorkingView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    QScrollBar* bar = verticalScrollBar();
    if (at.y() < 0) bar->setValue(bar->value() - bar->singleStep());
    if (at.y() > viewport()->height()) bar->setValue(bar->value() + bar->singleStep());
    select(anchor_, positionAt(at));
    if (anchor_ != cursor_ && QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
}

void WorkingView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The whole number (or word) under the pointer.
    int from = positionAt(event->position().toPoint()), to = from;
    while (from > 0 && !Blank(text_.at(from - 1)))
        --from;
    while (to < text_.size() && !Blank(text_.at(to)))
        ++to;
    select(from, to);
}

void WorkingView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) return copy();
    if (event == QKeySequence::SelectAll) return selectAll();
    QAbstractScrollArea::keyPressEvent(event);
}

void WorkingView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction("&Copy", this, &WorkingView::copy);
    copyAction->setEnabled(anchor_ != cursor_);
    menu.addAction("Select &All", this, &WorkingView::selectAll);
    menu.exec(event->globalPos());
}

} // namespace vora::widgets
