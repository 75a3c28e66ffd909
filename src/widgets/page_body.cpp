// SPDX-License-Identifier: MIT
#include "page_body.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace vora::widgets {

namespace {

// Room for a window manager's frame, unknown until the window is mapped.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

} // namespace

PageBody::PageBody(QWidget* body, int openWidth, QWidget* parent)
    : QScrollArea(parent)
    , openWidth_(openWidth) {
    setObjectName("pageBody");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(body);
    // The window paints the page colour behind everything.
    viewport()->setAutoFillBackground(false);
    body->setAutoFillBackground(false);
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget*, QWidget* now) { showWhole(now); });
}

// Destroying the body's controls moves the focus; by then this is no longer
// a scroll area, so stop following it first.
PageBody::~PageBody() {
    disconnect(focusFollower_);
}

void PageBody::showWhole(QWidget* control) {
    if (!control || !widget() || !widget()->isAncestorOf(control)) return;
    // A scroll area shows only a field's text cursor; a user wants the whole
    // control, a list with its arrow, as far as it fits.
    if (auto* list = qobject_cast<QComboBox*>(control->parentWidget())) control = list;
    const QRect r(control->mapTo(widget(), QPoint()), control->size());
    const QSize room = viewport()->size();
    ensureVisible(r.center().x(), r.center().y(), std::min(r.width() / 2 + 8, room.width() / 2),
                  std::min(r.height() / 2 + 8, room.height() / 2));
}

QSize PageBody::room() const {
    const QScreen* screen = this->screen();
    const QSize available = screen ? screen->availableSize() : QSize(1366, 768);
    int menu = 0;
    if (const auto* main = qobject_cast<const QMainWindow*>(window()))
        if (const QWidget* bar = main->menuWidget()) menu = bar->sizeHint().height();
    return {available.width() - kFrameWidth, available.height() - kFrameHeight - menu};
}

QSize PageBody::fitted(int width) const {
    const QWidget* body = widget();
    if (!body) return QScrollArea::sizeHint();
    const QSize hint = body->sizeHint().expandedTo(body->minimumSizeHint());
    width = std::max(width, hint.width());
    const int height = body->hasHeightForWidth() ? body->heightForWidth(width) : hint.height();
    QSize size(width, std::max(height, body->minimumSizeHint().height()));
    const QSize screen = room();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (size.width() > screen.width()) {
        size.setWidth(screen.width());
        size.rheight() += bar;
    }
    if (size.height() > screen.height()) {
        size.setHeight(screen.height());
        size.setWidth(std::min(size.width() + bar, screen.width()));
    }
    return size;
}

QSize PageBody::minimumSizeHint() const {
    return fitted(0);
}

QSize PageBody::sizeHint() const {
    return fitted(openWidth_);
}

bool PageBody::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == window() && !shown_) {
        shown_ = true;
        QWidget* w = window();
        // Qt would open the window at two thirds of the screen at most,
        // squeezing the body; size it here unless someone already did.
        if (!w->testAttribute(Qt::WA_Resized)) w->resize(w->sizeHint());
        if (QWindow* handle = w->windowHandle())
            connect(handle, &QWindow::screenChanged, this, [this] { updateGeometry(); });
    }
    return QScrollArea::eventFilter(watched, event);
}

PageBody* SetPageBody(QMainWindow* window, QWidget* body, int openWidth) {
    auto* page = new PageBody(body, openWidth, window);
    window->setCentralWidget(page);
    window->installEventFilter(page);
    return page;
}

} // namespace vora::widgets
