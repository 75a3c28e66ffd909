// The capacitor page.
#pragma once

#include "element_network_page.h"

namespace vora::pages {

class frmDCC : public ElementNetworkPage {
public:
    explicit frmDCC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);
};

} // namespace vora::pages
