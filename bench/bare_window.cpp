// SPDX-License-Identifier: MIT
// The yardsticks for start-up: the least a Qt Widgets program does to put a
// main window on screen and, built with
//   VORA_WITH_TEXT     the same window showing one line of text (which
//                      brings in the font machinery);
//   VORA_WITH_MENU     a menu bar over that line as well;
//   VORA_WITH_PREFACE  and, once the window is up, the program's "Preface"
//                      message box, built exactly as the program builds it.
#include <QApplication>
#include <QMainWindow>

#if defined(VORA_WITH_TEXT) || defined(VORA_WITH_MENU)
#include <QLabel>
#endif
#ifdef VORA_WITH_MENU
#include <QMenu>
#include <QMenuBar>
#endif
#ifdef VORA_WITH_PREFACE
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
#if defined(VORA_WITH_TEXT) || defined(VORA_WITH_MENU)
    window.setCentralWidget(new QLabel("A main window with one line of text", &window));
#endif
#ifdef VORA_WITH_MENU
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("E&xit", &app, &QApplication::quit);
#endif
    window.show();
#ifdef VORA_WITH_PREFACE
    QTimer::singleShot(0, &window, [&window] {
        QFile text(":/texts/preface.txt");
        text.open(QIODevice::ReadOnly);
        QMessageBox box(QMessageBox::Warning, "Preface",
                        QString::fromUtf8(text.readAll()).trimmed(), QMessageBox::Ok, &window);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    });
#endif
    return app.exec();
}
