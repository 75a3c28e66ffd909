#include "about_window.h"

#include "pictures.h"
#include "widgets/page_body.h"
#include "widgets/page_colours.h"
#include "window_set.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vora::shell {

AboutWindow::AboutWindow(WindowSet& windows, QWidget* parent)
    : QMainWindow(parent)
    , windows_(windows) {
    setObjectName("frmAB");
    setWindowTitle("About VORA Soft");
    widgets::ApplyBackground(this, QColor(255, 128, 255));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    // Label1 is a pair of labels under one name: element 1 the title,
    // element 0 the text.
    auto* title = new QLabel("\"VORA\" Soft", central);
    title->setObjectName("Label1");
    title->setProperty("index", 1);
    title->setAlignment(Qt::AlignHCenter);
    QFont font = title->font();
    font.setPointSize(20);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);

    auto* text = new QLabel(FixedText(":/texts/about.txt"), central);
    text->setObjectName("Label1");
    text->setProperty("index", 0);
    text->setWordWrap(true);
    text->setMargin(8);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);

    auto* exit = new QPushButton("Exit", central);
    exit->setObjectName("cmdok");
    exit->setDefault(true);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    connect(exit, &QPushButton::clicked, this, &AboutWindow::cmdok_Click);
    // Escape closes the window as its button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &AboutWindow::cmdok_Click);
    widgets::SetPageBody(this, central, 560);
}

void AboutWindow::cmdok_Click() {
    windows_.ReturnHome(WindowId::frmAB);
}

} // namespace vora::shell
