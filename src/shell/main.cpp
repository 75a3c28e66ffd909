// SPDX-License-Identifier: MIT
#include "command_line.h"
#include "version.h"
#include "widgets/message_boxes.h"
#include "window_set.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[]) {
    // QSettings files the remembered window geometry under these names.
    QApplication::setApplicationName("VORA");
    QApplication::setApplicationVersion(vora::shell::kVersion);
    QApplication::setOrganizationName("VORA");
    QApplication::setOrganizationDomain("example.org");

    // Before QApplication, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const vora::shell::CommandLine command = vora::shell::ParseCommandLine(arguments);
    if (!command.startProgram) {
        std::fputs(command.out.toLocal8Bit().constData(), stdout);
        std::fputs(command.err.toLocal8Bit().constData(), stderr);
        return command.exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName("org.example.Vora");
    QApplication::setWindowIcon(QIcon(":/pictures/app_icon.svg"));
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The program ends through the main window only (its Exit or its close
    // button); no other window can leave it running without a visible window.
    QApplication::setQuitOnLastWindowClosed(false);

    vora::widgets::ModalMessageBoxes messages;
    vora::shell::WindowSet windows(messages);
    QObject::connect(&windows, &vora::shell::WindowSet::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    windows.Startup();
    return app.exec();
}
