// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace vora::shell {

// An embedded picture at a fixed size, named `name`: `resource` is the
// picture rendered from our SVG at build time (resources/CMakeLists.txt).
QWidget* Picture(const QString& name, const QString& resource, int width, int height,
                 const QString& description, QWidget* parent);

} // namespace vora::shell
