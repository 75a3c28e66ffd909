// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <memory>

class QTextLayout;

namespace vora::widgets {

// A long, word-wrapped text that the user can select with the mouse; looks
// and measures as a QLabel with word wrap and TextSelectableByMouse.
//
// Such a label is slow to open: it builds and lays out a text document as
// soon as it is made selectable, and, wrapped, it lays its text out again for
// each size hint (five layouts) and each width asked, and once more to paint.
// Here the text turns selectable only when the label first takes the focus (a
// click gives it the focus before the click is handled, so the click itself
// selects); until then the hints come from one layout on a single line, and
// the layout at the width asked last is kept and painted.
class WrappedText : public QLabel {
    Q_OBJECT
public:
    explicit WrappedText(const QString& text, QWidget* parent = nullptr);
    ~WrappedText() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout;
    bool selectable() const;
    // What the margins, the frame and the contents margins add around the text.
    QSize extra() const;
    // The text laid out `width` wide, with its height (kept until the next width).
    const Layout& laidOut(int width) const;
    // Forgets what was measured if the text or the margin changed.
    void checkMeasured() const;
    void forget();

    mutable std::unique_ptr<Layout> layout_;
    mutable QSize minimum_; // invalid until found
    mutable QString measuredText_;
    mutable int measuredMargin_ = -1;
};

} // namespace vora::widgets
