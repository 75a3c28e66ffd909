// SPDX-License-Identifier: MIT
#include "working_pdf.h"

#include "drawing/network_sketch_view.h"
#include "drawing/transient_curve_view.h"
#include "drawing/vector_diagram_view.h"
#include "result_label.h"

#include <QDate>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace vora::pages {

namespace {

// The page is laid out in pixels of 1/96 inch, whatever the writer's resolution.
constexpr qreal kPixelsPerInch = 96;
constexpr qreal kMargin = 48;
constexpr qreal kGap = 10;

QFont Sized(QFont font, qreal pixels, bool bold = false) {
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
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

// The results of every element, which the report gives as
//   Every element (Current (A), Voltage (V), Power (W)):
//   R1 = 10 Ohm: Ir1 = 0.6 A (600 mA), Vr1 = 6 V (6.000 V), Pr1 = 3.6 W (3.600 W)
// read back into a grid for the sheet.
struct Grid {
    QStringList heads;             // Element, Value and the three quantities
    std::vector<QStringList> rows; // the same five columns
};

std::optional<Grid> ReadGrid(const QStringList& lines) {
    static const QRegularExpression head(R"(^Every element \((.+), (.+), (.+)\):$)");
    static const QRegularExpression row(R"(^(\S+) = (.+?): (.+)$)");
    static const QRegularExpression cellStart(R"(, (?=\S+ = |\S+: ))");
    if (lines.isEmpty()) return std::nullopt;
    const auto h = head.match(lines.front());
    if (!h.hasMatch()) return std::nullopt;
    Grid grid{{"Element", "Value", h.captured(1), h.captured(2), h.captured(3)}, {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const auto r = row.match(lines[i]);
        if (!r.hasMatch()) return std::nullopt;
        const QStringList cells = r.captured(3).split(cellStart);
        if (cells.size() != 3) return std::nullopt;
        grid.rows.push_back(QStringList{r.captured(1), r.captured(2)} + cells);
    }
    return grid;
}

// Draws `grid` from the top of `area` (or only measures it, `p` null);
// returns its height.
qreal DrawGrid(QPainter* p, const QFont& font, const Grid& grid, const QRectF& area) {
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

// The inputs and results: lines, with the block of every element's results
// as a grid when it reads as one.
qreal Results(QPainter* p, const QFont& font, const QStringList& lines, const QRectF& area) {
    const qsizetype start = lines.indexOf(QRegularExpression(R"(^Every element \(.*\):$)"));
    if (start < 0) return Lines(p, font, lines, area, 1, p != nullptr);
    qsizetype end = start + 1;
    while (end < lines.size() && !lines[end].isEmpty() &&
           QRegularExpression(R"(^\S+ = .+?: )").match(lines[end]).hasMatch())
        ++end;
    const auto grid = ReadGrid(lines.mid(start, end - start));
    if (!grid) return Lines(p, font, lines, area, 1, p != nullptr);
    qreal y = area.top();
    // The grid's own heads name the quantities.
    y += Lines(p, font,
               lines.mid(0, start) << "Every element:", QRectF(area.left(), y, area.width(), 1e6),
               1, p != nullptr);
    y += DrawGrid(p, font, *grid, QRectF(area.left(), y, area.width(), 1e6));
    y += Lines(p, font, lines.mid(end), QRectF(area.left(), y, area.width(), 1e6), 1, p != nullptr);
    return y - area.top();
}

void DrawPicture(QPainter& p, QWidget* picture, const QRectF& box) {
    p.save();
    p.setPen(QPen(QColor(170, 170, 170), 0.8));
    p.drawRect(box);
    const QRectF inside = box.adjusted(1, 1, -1, -1);
    if (auto* diagram = qobject_cast<VectorDiagramView*>(picture)) {
        p.setFont(Sized(p.font(), 10));
        diagram->paintOn(p, inside);
    } else if (auto* sketch = qobject_cast<NetworkSketchView*>(picture)) {
        sketch->paintOn(p, inside, Sized(p.font(), 11)); // over 8 pt at 96 px an inch
    } else if (auto* curve = qobject_cast<TransientCurveView*>(picture)) {
        curve->paintOn(p, inside, Sized(p.font(), 11));
    }
    p.restore();
}

// Height over width of the box a picture is printed in.
qreal Aspect(const QWidget* picture) {
    if (qobject_cast<const TransientCurveView*>(picture)) return 0.5;
    return qobject_cast<const VectorDiagramView*>(picture) ? 0.6 : 0.3;
}

} // namespace

// Pictures of nothing (no network or diagram computed yet) are left out,
// and so are those of choices rather than results.
std::vector<QWidget*> HandoutPictures(QWidget& window) {
    std::vector<QWidget*> pictures;
    for (auto* sketch : window.findChildren<NetworkSketchView*>())
        if (sketch->onSheet() && !sketch->sketch().empty() && !IsOutOfDate(sketch))
            pictures.push_back(sketch);
    for (auto* diagram : window.findChildren<VectorDiagramView*>())
        if (!diagram->diagram().empty() && !IsOutOfDate(diagram)) pictures.push_back(diagram);
    for (auto* curve : window.findChildren<TransientCurveView*>())
        if (!curve->empty() && !IsOutOfDate(curve)) pictures.push_back(curve);
    return pictures;
}

namespace {

// Lays the sheet out on `device` (a PDF writer or a printer), in pixels of
// 1/96 inch whatever its resolution. False when nothing could be painted.
bool PaintSheet(QPaintDevice& device, const QString& pageName, const QString& report,
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

            QStringList results = report.split('\n');
            QStringList working;
            const qsizetype split = results.indexOf("Working:");
            if (split >= 0) {
                working = results.mid(split + 1);
                results = results.mid(0, split);
            }

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
            y += Results(&p, p.font(), results, QRectF(page.left(), y, page.width(), 1e6));
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

QString WriteWorkingPdf(const QString& path, const QString& pageName, const QString& report,
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

QString PrintWorking(QPrinter& printer, const QString& pageName, const QString& report,
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
