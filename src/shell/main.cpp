#include "pages/element/chain_page.h"
#include "widgets/message_boxes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vora::widgets::ModalMessageBoxes messages;
    vora::pages::frmDC page(messages);
    page.show();
    return app.exec();
}
