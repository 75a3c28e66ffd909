// SPDX-License-Identifier: MIT
// A picture that an event's outcome draws: the page's one step of writing
// results hands each view the picture of its slot.
#pragma once

#include "calc/shown.h"

namespace vora::pages {

class PictureView {
public:
    virtual ~PictureView() = default;
    // Draws `picture`; a view ignores a kind of picture it does not draw.
    virtual void showPicture(const calc::Picture& picture) = 0;
};

} // namespace vora::pages
