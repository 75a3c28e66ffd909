#include "widgets/message_boxes.h"
#include "window_set.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VORA");
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
