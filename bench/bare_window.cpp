// SPDX-License-Identifier: MIT
// The yardsticks for start-up: the least a Qt Widgets program does to put a
// main window on screen and, built with VORA_WITH_TEXT, the same window
// showing one line of text (which brings in the font machinery).
#include <QApplication>
#include <QMainWindow>

#ifdef VORA_WITH_TEXT
#include <QLabel>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
#ifdef VORA_WITH_TEXT
    window.setCentralWidget(new QLabel("A main window with one line of text", &window));
#endif
    window.show();
    return app.exec();
}
