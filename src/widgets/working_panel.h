// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace vora::widgets {

class WorkingView;

// The working area of a page: how the last result was obtained, as
// selectable, copyable text, with room for a picture beside it. A taller or
// wider window gives its extra room to the working and the picture.
class WorkingPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit WorkingPanel(QWidget* parent = nullptr);

    // `showEnd` scrolls to the last lines, where a long working ends with
    // the result it was shown for.
    void setText(const QString& text, bool showEnd = false);
    QString text() const;
    // Puts `side` to the right of the text (the panel takes ownership);
    // `stretch` is its share of extra width against the text's 3.
    void setSide(QWidget* side, int stretch = 2);

private:
    WorkingView* text_;
};

} // namespace vora::widgets
