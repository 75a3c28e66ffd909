// SPDX-License-Identifier: MIT
#include "working_pdf.h"

#include "drawing/picture_view.h"
#include "result_label.h"

#include <QDate>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace vora::pages {

namespace {

// The page is laid out in pixels of 1/96 inch, whatever the writer's resolution.
constexpr qreal kPixelsPerInch = 96;
constexpr qreal kMargin = 48;
constexpr qreal kGap = 10;

QFont Sized(QFont font, qreal pixels, bool bold = false) {
    return PictureView::SheetFont(std::move(font), pixels, bold);
}

// Lines in `columns` columns from `top`; returns the height they take.
// With `draw` false it only measures.
qreal Lines(QPainter* p, const QFont& font, const QStringList& lines, QRectF area, int columns,
            bool draw) {
    const QFontMetricsF fm(font);
    const qreal width = (area.width() - (columns - 1) * kGap) / columns;
    qreal x = area.left(), y = area.top(), tallest = 0;
    const qreal perColumn = area.height();
    int column = 0;
    for (const QString& line : lines) {
        const QRectF box = fm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, line);
        const qreal h = std::max(box.height(), fm.height());
        if (y + h > area.top() + perColumn && column + 1 < columns) {
            ++column;
            x += width + kGap;
            y = area.top();
        }
        if (draw) p->drawText(QRectF(x, y, width, h), Qt::TextWordWrap, line);
        y += h;
        tallest = std::max(tallest, y - area.top());
    }
    return tallest;
}

// Draws `grid` from the top of `area` (or only measures it, `p` null);
// returns its height.
qreal DrawGrid(QPainter* p, const QFont& font, const ReportTable& grid, const QRectF& area) {
    const QFontMetricsF fm(font);
    const qreal narrow = std::max(fm.horizontalAdvance("Element") + 12, area.width() * 0.08);
    const qreal value = area.width() * 0.13;
    const qreal wide = (area.width() - narrow - value) / 3;
    const qreal widths[5] = {narrow, value, wide, wide, wide};
    const qreal pad = 3;
    qreal y = area.top();
    auto drawRow = [&](const QStringList& cells, bool bold) {
        QFont f = font;
        f.setBold(bold);
        const QFontMetricsF m(f);
        qreal h = m.height();
        for (int c = 0; c < 5; ++c)
            h = std::max(h, m.boundingRect(QRectF(0, 0, widths[c] - 2 * pad, 1e6), Qt::TextWordWrap,
                                           cells.value(c))
                                .height());
        h += 2 * pad;
        if (p) {
            p->setFont(f);
            qreal x = area.left();
            for (int c = 0; c < 5; ++c) {
                p->drawText(QRectF(x + pad, y + pad, widths[c] - 2 * pad, h - 2 * pad),
                            Qt::TextWordWrap, cells.value(c));
                x += widths[c];
            }
            p->save();
            p->setPen(QPen(QColor(170, 170, 170), 0.6));
            p->drawLine(QPointF(area.left(), y + h), QPointF(area.right(), y + h));
            p->restore();
        }
        y += h;
    };
    drawRow(grid.heads, true);
    for (const QStringList& row : grid.rows)
        drawRow(row, false);
    if (p) p->setFont(font);
    return y - area.top();
}

// The inputs and results: lines, then every element's results as a grid.
qreal Results(QPainter* p, const QFont& font, const PageReport& report, const QRectF& area) {
    if (!report.table) return Lines(p, font, report.lines, area, 1, p != nullptr);
    qreal y = area.top();
    // The grid's own heads name the quantities.
    y += Lines(p, font, QStringList(report.lines) << "Every element:",
               QRectF(area.left(), y, area.width(), 1e6), 1, p != nullptr);
    y += DrawGrid(p, font, *report.table, QRectF(area.left(), y, area.width(), 1e6));
    return y - area.top();
}

void DrawPicture(QPainter& p, QWidget* picture, const QRectF& box) {
    p.save();
    p.setPen(QPen(QColor(170, 170, 170), 0.8));
    p.drawRect(box);
    dynamic_cast<const PictureView&>(*picture).paintOnSheet(p, box.adjusted(1, 1, -1, -1),
                                                            p.font());
    p.restore();
}

qreal Aspect(const QWidget* picture) {
    return dynamic_cast<const PictureView&>(*picture).sheetAspect();
}

} // namespace

// Pictures of nothing (no network or diagram computed yet) are left out,
// and so are those of choices rather than results.
std::vector<QWidget*> HandoutPictures(QWidget& window) {
    std::vector<QWidget*> pictures;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* view = dynamic_cast<const PictureView*>(widget);
        if (view && view->onSheet() && !IsOutOfDate(widget)) pictures.push_back(widget);
    }
    std::stable_partition(pictures.begin(), pictures.end(), [](const QWidget* w) {
        return dynamic_cast<const PictureView&>(*w).leadsSheet();
    });
    return pictures;
}

namespace {

// Lays the sheet out on `device` (a PDF writer or a printer), in pixels of
// 1/96 inch whatever its resolution. False when nothing could be painted.
bool PaintSheet(QPaintDevice& device, const QString& pageName, const PageReport& report,
                const std::vector<QWidget*>& pictures) {
    QPainter p;
    if (!p.begin(&device)) return false;
    {
        {
            const qreal scale = device.logicalDpiX() / kPixelsPerInch;
            p.scale(scale, scale);
            const QRectF page(kMargin, kMargin, device.width() / scale - 2 * kMargin,
                              device.height() / scale - 2 * kMargin);
            const QFont base = p.font();

            const QStringList& working = report.working;

            qreal y = page.top();
            p.setFont(Sized(base, 22, true));
            p.drawText(QRectF(page.left(), y, page.width(), 30), Qt::AlignLeft | Qt::AlignBottom,
                       pageName);
            // The day it was made, as the desktop writes dates: a handout is dated.
            p.setFont(Sized(base, 11));
            p.drawText(QRectF(page.left(), y, page.width(), 30), Qt::AlignRight | Qt::AlignBottom,
                       QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
            y += 34;
            p.setFont(Sized(base, 13, true));
            p.drawText(QRectF(page.left(), y, page.width(), 18), Qt::AlignLeft,
                       "Inputs and results");
            y += 20;
            p.setFont(Sized(base, 11));
            y += Results(&p, p.font(), report, QRectF(page.left(), y, page.width(), 1e6));
            y += kGap;

            // The pictures take what the working leaves, within limits: the
            // first (the sketch) across the page, the others in a row under it.
            if (!pictures.empty()) {
                const qreal workingHeight =
                    working.isEmpty()
                        ? 0
                        : 20 + Lines(nullptr, Sized(base, 11), working,
                                     QRectF(page.left(), 0, page.width(), 1e6), 1, false);
                const qreal height =
                    std::clamp(page.bottom() - y - workingHeight - 2 * kGap, 240.0, 560.0);
                const bool single = pictures.size() == 1;
                const qreal first = std::min(page.width() * Aspect(pictures[0]),
                                             single ? height : std::min(160.0, height / 3));
                DrawPicture(p, pictures[0], QRectF(page.left(), y, page.width(), first));
                y += first + kGap;
                if (!single) {
                    const auto n = static_cast<qreal>(pictures.size() - 1);
                    const qreal w = (page.width() - (n - 1) * kGap) / n;
                    const qreal h = std::min(height - first - kGap, w * 1.1);
                    for (std::size_t i = 1; i < pictures.size(); ++i)
                        DrawPicture(
                            p, pictures[i],
                            QRectF(page.left() + static_cast<qreal>(i - 1) * (w + kGap), y, w, h));
                    y += h + kGap;
                }
            }

            if (!working.isEmpty()) {
                p.setFont(Sized(base, 13, true));
                p.drawText(QRectF(page.left(), y, page.width(), 18), Qt::AlignLeft, "Working");
                y += 20;
                // One page: a long working goes into two columns, then a smaller type.
                const QRectF area(page.left(), y, page.width(), page.bottom() - y);
                qreal size = 11;
                int columns = 1;
                while (Lines(nullptr, Sized(base, size), working, area, columns, false) >
                           area.height() &&
                       size > 5) {
                    if (columns == 1)
                        columns = 2;
                    else
                        size -= 0.5;
                }
                p.setFont(Sized(base, size));
                p.setClipRect(area);
                Lines(&p, p.font(), working, area, columns, true);
            }
            p.end();
        }
    }
    return true;
}

} // namespace

QString WriteWorkingPdf(const QString& path, const QString& pageName, const PageReport& report,
                        const std::vector<QWidget*>& pictures) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(pageName);
        writer.setCreator("VORA");
        writer.setResolution(300);
        painted = PaintSheet(writer, pageName, report, pictures);
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString reason =
            painted ? file.errorString() : QStringLiteral("the PDF could not be started");
        file.close();
        file.remove();
        return reason;
    }
    file.close();
    return {};
}

QString PrintWorking(QPrinter& printer, const QString& pageName, const PageReport& report,
                     const std::vector<QWidget*>& pictures) {
    printer.setDocName(pageName);
    printer.setCreator("VORA");
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    if (!PaintSheet(printer, pageName, report, pictures))
        return QStringLiteral("the printer could not be started");
    if (printer.printerState() == QPrinter::Error)
        return QStringLiteral("the printer reported an error");
    return {};
}

} // namespace vora::pages
