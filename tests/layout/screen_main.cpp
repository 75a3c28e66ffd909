// SPDX-License-Identifier: MIT
// Starts a virtual X server of 1366×768 for the run, then the QApplication
// on it (xcb), at the scale QT_SCALE_FACTOR asks for. Exits with 77 (a
// skipped test for ctest) when no X server can be started.
#include "real_input/x_session.h"
#include "screen.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QStyleFactory>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<vora::real_input::XServer> server;
}

vora::real_input::XServer& vora::testing::Screen() {
    return *server;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    try {
        server = std::make_unique<vora::real_input::XServer>(1366, 768);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skipped: %s\n", e.what());
        return 77;
    }
    qputenv("DISPLAY", QByteArray::fromStdString(server->display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_ACCESSIBILITY", "0");
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        // Windows open at their defaults: no geometry remembered by another
        // run (or by the developer) is read, and none is written.
        const QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        result = RUN_ALL_TESTS();
    }
    server.reset();
    return result;
}
