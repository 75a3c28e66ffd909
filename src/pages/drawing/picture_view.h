// SPDX-License-Identifier: MIT
// A picture that an event's outcome draws: the page's one step of writing
// results hands each view the picture of its slot. A picture that belongs
// on the printed sheet also draws itself there.
#pragma once

#include "calc/shown.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <algorithm>

class QPainter;

namespace vora::pages {

class PictureView {
public:
    virtual ~PictureView() = default;
    // Draws `picture`; a view ignores a kind of picture it does not draw.
    virtual void showPicture(const calc::Picture& picture) = 0;

    // Whether it shows a result to print on the sheet (not nothing, and not
    // a picture of the choices being made).
    virtual bool onSheet() const { return false; }
    // The sheet's first picture runs across the page: the network's sketch.
    virtual bool leadsSheet() const { return false; }
    // Height over width of its box on the sheet.
    virtual qreal sheetAspect() const { return 0.6; }
    // Draws it into `area` of the sheet, its texts sized from the sheet's `font`.
    virtual void paintOnSheet(QPainter&, const QRectF&, const QFont&) const {}

    // `font` at a size in pixels of the sheet (1/96 inch).
    static QFont SheetFont(QFont font, qreal pixels, bool bold = false) {
        font.setPixelSize(std::max(1, qRound(pixels)));
        font.setBold(bold);
        return font;
    }
};

// A picture widget with a title and a text for when it shows nothing yet;
// it paints every pixel of itself and takes the room it is given.
class TitledPicture : public QWidget, public PictureView {
public:
    TitledPicture(const QString& title, const QString& placeholder, QWidget* parent = nullptr)
        : QWidget(parent)
        , title_(title)
        , placeholder_(placeholder) {
        setAccessibleName(title);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    QString title_;
    QString placeholder_;
};

} // namespace vora::pages
