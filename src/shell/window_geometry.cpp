// SPDX-License-Identifier: MIT
#include "window_geometry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace vora::shell {

namespace {

// What is stored per window, in a group named after the window: "frame", the
// outer rectangle that must fit on a screen; "size", the window without its
// frame (what resize() takes); "maximized".
struct Geometry {
    QRect frame;
    QSize size;
    bool maximized = false;

    bool operator==(const Geometry&) const = default;
};

bool FitsOnAScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame)) return true;
    return false;
}

// The stored geometry, with an invalid frame where none can be used.
Geometry Load(const QString& window) {
    QSettings settings;
    // A file that is not in the settings format is left alone: the windows
    // keep their defaults. (A missing file reads as empty.)
    if (settings.status() == QSettings::FormatError) return {};
    settings.beginGroup(window);
    const QVariant frame = settings.value("frame");
    const QVariant size = settings.value("size");
    Geometry g;
    g.maximized = settings.value("maximized").toString() == "true";
    if (frame.typeId() != QMetaType::QRect || size.typeId() != QMetaType::QSize) return g;
    g.frame = frame.toRect();
    g.size = size.toSize();
    if (!g.frame.isValid() || !g.size.isValid() || g.size.width() > g.frame.width() ||
        g.size.height() > g.frame.height() || !FitsOnAScreen(g.frame))
        g.frame = QRect();
    return g;
}

void Store(const QString& window, const Geometry& g) {
    QSettings settings;
    settings.beginGroup(window);
    settings.setValue("maximized", g.maximized);
    if (!g.frame.isValid()) return;
    settings.setValue("frame", g.frame);
    settings.setValue("size", g.size);
}

// Restores the window at its creation, and saves what changed on every hide
// of a window that has been on screen and at the end for the windows still
// open then. Unchanged geometry is not written again, so that moving between
// pages costs no file writes.
class GeometryKeeper : public QObject {
public:
    explicit GeometryKeeper(QWidget& window)
        : QObject(&window)
        , window_(window)
        , saved_(Load(window.objectName())) {
        if (saved_.frame.isValid()) {
            window.move(saved_.frame.topLeft());
            window.resize(saved_.size);
        }
        if (saved_.maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            if (window_.isVisible()) Save();
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) shown_ = true;
        if (event->type() == QEvent::Hide && shown_) Save();
        return false;
    }

private:
    void Save() {
        Geometry now{window_.frameGeometry(), window_.size(), window_.isMaximized()};
        // A maximized or full-screen window keeps its normal geometry from before.
        if (window_.isMaximized() || window_.isFullScreen()) {
            now.frame = saved_.frame;
            now.size = saved_.size;
        }
        if (now == saved_) return;
        Store(window_.objectName(), now);
        saved_ = now;
    }

    QWidget& window_;
    Geometry saved_;
    bool shown_ = false;
};

} // namespace

void RememberGeometry(QWidget& window) {
    window.installEventFilter(new GeometryKeeper(window));
}

} // namespace vora::shell
