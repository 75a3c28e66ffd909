// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractScrollArea>
#include <memory>
#include <vector>

class QTextLayout;

namespace vora::widgets {

// Read-only text that every event replaces: selectable with the mouse
// (a double-click takes a whole number), copyable (Ctrl+C, the context
// menu), scrolled with the wheel or the keys.
//
// A general text view would lay out the whole document again on every
// event; this one lays out each line on its own, only when it is new or the
// width changed, and paints the visible lines.
class WorkingView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit WorkingView(QWidget* parent = nullptr);
    ~WorkingView() override;

    // `showEnd` scrolls to the last line.
    void setText(const QString& text, bool showEnd = false);
    const QString& text() const { return text_; }
    QString selectedText() const;
    void setPlaceholderText(const QString& text) { placeholder_ = text; }

    void copy() const;
    void selectAll();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Line {
        int start = 0; // offset of the line in text_
        QString text;
        std::shared_ptr<QTextLayout> layout; // null until laid out at width_
        qreal top = 0;
    };

    void layOut();
    int positionAt(const QPoint& viewportPoint);
    void select(int anchor, int cursor);
    int lineHeight() const;

    QString text_;
    QString placeholder_;
    std::vector<Line> lines_;
    int width_ = -1; // the width the layouts were made for
    qreal height_ = 0;
    int anchor_ = 0, cursor_ = 0; // the selection: [min, max) of the two
};

} // namespace vora::widgets
