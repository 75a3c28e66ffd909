#include "capacitor_page.h"

namespace vora::pages {

frmDCC::frmDCC(widgets::MessageBoxes& messages, QWidget* parent)
    : ElementNetworkPage(ElementPageTexts::Capacitor(), messages, parent) {}

} // namespace vora::pages
